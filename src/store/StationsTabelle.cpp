#include "StationsTabelle.h"
#include "Connection.h"

#include "common/UserError.h"

namespace tarvex {

using namespace Qt::StringLiterals;

StationsTabelle::StationsTabelle(Connection& contestDat)
    : db_(contestDat)
{
    if (db_.scalar(u"SELECT name FROM sqlite_master WHERE type='table' AND name='STATIONS'"_s).isNull())
        throw UserError(u"%1 hat keine Tabelle STATIONS; ist das eine CONTEST.DAT?"_s.arg(db_.pfad()));
}

void StationsTabelle::indexSicherstellen()
{
    if (db_.scalar(u"SELECT count(*) FROM pragma_index_list('STATIONS') l, pragma_index_info(l.name) i "
                   "WHERE i.seqno=0 AND i.name='CALL' COLLATE NOCASE"_s)
            .toInt()
        == 0)
        db_.execute(u"CREATE INDEX STATIONS_CALL ON STATIONS(CALL)"_s);
}

QList<StationsTabelle::Zeile> StationsTabelle::zeilen(const QString& call)
{
    QList<Zeile> ergebnis;
    for (const QVariantList& z :
        db_.select(u"SELECT rowid, LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid"_s, { call }).zeilen)
        ergebnis.append({ z.value(0).toLongLong(), z.value(1).toString() });
    return ergebnis;
}

void StationsTabelle::anlegen(const QString& call, const QString& locators)
{
    db_.execute(u"INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)"_s, { call, locators });
}

void StationsTabelle::zusammenfassen(const QString& call, qint64 erste, const QString& locators)
{
    db_.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE rowid=?"_s, { locators, erste });
    db_.execute(u"DELETE FROM STATIONS WHERE CALL=? AND rowid<>?"_s, { call, erste });
}

} // namespace tarvex
