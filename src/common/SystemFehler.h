#pragma once
#include <QFileDevice>
#include <QString>

namespace tarvex {

// The reason of a failed system call in German, from its errno value
// ("der Datenträger ist voll"), never the C library's English text.
QString systemFehler(int errnum);

// Why an operation on the file failed: errnum as read right after the failing
// call when it is set, otherwise the kind of failure Qt recorded.
QString dateiFehler(const QFileDevice& datei, int errnum);

} // namespace tarvex
