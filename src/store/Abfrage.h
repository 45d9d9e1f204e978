#pragma once
#include "Connection.h"

namespace tarvex {

// A column's text; an SQL NULL reads as a null string.
inline QString textAus(const SQLite::Column& c)
{
    return c.isNull() ? QString() : QString::fromUtf8(c.getText(), c.getBytes());
}

// Runs a SELECT and hands every row to je straight from the statement: the
// windows' reads copy no rows and make no QVariant per value.
template <class F> void jedeZeile(Connection& c, const QString& sql, const QVariantList& werte, F&& je)
{
    c.guarded([&] {
        SQLite::Statement stmt(c.db(), sql.toStdString());
        Connection::bind(stmt, werte);
        while (stmt.executeStep())
            je(stmt);
    });
}

} // namespace tarvex
