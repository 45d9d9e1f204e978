#pragma once
#include <QString>
#include <optional>

namespace tarvex {

class KeystrokeLog;

// What the last-inputs window shows: the whole keystroke log, one token a line.
// Nothing when the file does not exist (right after a save), so no window opens.
std::optional<QString> letzteEingaben(const KeystrokeLog& log);

} // namespace tarvex
