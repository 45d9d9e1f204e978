#pragma once
#include <QString>

namespace tarvex {

// Capitals character by character, so the text keeps its length: "ß" stays one
// character instead of becoming "SS", as fields of fixed width need.
QString großschreiben(const QString& text);

} // namespace tarvex
