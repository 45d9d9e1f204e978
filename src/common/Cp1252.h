#pragma once
#include <QByteArray>
#include <QString>

namespace tarvex {

// Windows code page 1252, the encoding of every text file the program writes.
// Characters outside the code page become "?".
QByteArray toCp1252(QStringView text);
// The same bytes at the end of out, without a buffer in between.
void appendCp1252(QByteArray& out, QStringView text);
QString fromCp1252(const QByteArray& bytes);

} // namespace tarvex
