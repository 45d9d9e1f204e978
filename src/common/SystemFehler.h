#pragma once
#include <QString>

namespace tarvex {

// The reason of a failed system call in German, from its errno value
// ("der Datenträger ist voll"), never the C library's English text.
QString systemFehler(int errnum);

} // namespace tarvex
