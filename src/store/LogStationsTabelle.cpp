#include "LogStationsTabelle.h"
#include "Connection.h"
#include "StationsTabelle.h"

#include <QByteArray>
#include <SQLiteCpp/Statement.h>

namespace tarvex {

using namespace Qt::StringLiterals;

LogStationsTabelle::LogStationsTabelle(Connection& contestDat)
    : db_(contestDat)
{
    StationsTabelle::prüfen(db_);
}

bool LogStationsTabelle::vorhanden(Connection& contestDat)
{
    return contestDat.hatTabelle(u"LOGSTATIONS"_s);
}

void LogStationsTabelle::ersetzen(const QList<Zeile>& zeilen)
{
    SQLite::Database& db = db_.db();
    db.exec("CREATE TABLE IF NOT EXISTS LOGSTATIONS(CALL TEXT, LOCATORS TEXT, LOGS TEXT)");
    // Dropped and built again after the rows: one sorted build instead of an index growing all over.
    db.exec("DROP INDEX IF EXISTS LOGSTATIONS_CALL");
    db.exec("DELETE FROM LOGSTATIONS");
    SQLite::Statement einfügen(db, "INSERT INTO LOGSTATIONS(CALL, LOCATORS, LOGS) VALUES(?, ?, ?)");
    for (const Zeile& z : zeilen) {
        const QByteArray c = z.call.toUtf8();
        const QByteArray l = z.locators.toUtf8();
        const QByteArray n = z.logs.toUtf8();
        einfügen.reset();
        einfügen.bindNoCopy(1, c.constData());
        einfügen.bindNoCopy(2, l.constData());
        einfügen.bindNoCopy(3, n.constData());
        einfügen.exec();
    }
    db.exec("CREATE INDEX LOGSTATIONS_CALL ON LOGSTATIONS(CALL)");
}

} // namespace tarvex
