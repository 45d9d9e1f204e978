#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral("|")).toStdString() << ']';
}

namespace tarvex {
struct QsoRecord;
// A stored contact as one line, field by field.
void PrintTo(const QsoRecord& q, std::ostream* os);
} // namespace tarvex
