#include "StationsTabelle.h"
#include "Connection.h"

#include <QByteArray>

#include "common/UserError.h"

namespace tarvex {

using namespace Qt::StringLiterals;

StationsTabelle::StationsTabelle(Connection& contestDat)
    : db_(contestDat)
{
    if (db_.scalar(u"SELECT name FROM sqlite_master WHERE type='table' AND name='STATIONS'"_s).isNull())
        throw UserError(u"%1 hat keine Tabelle STATIONS; ist das eine CONTEST.DAT?"_s.arg(db_.pfad()));
    // An import visits the call index all over: the pages stay in memory instead of being read again.
    db_.exec(u"PRAGMA cache_size=-32768"_s);
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
    if (!lesen_)
        lesen_.emplace(db_.db(), "SELECT rowid, LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid");
    const QByteArray c = call.toUtf8();
    lesen_->reset();
    lesen_->bindNoCopy(1, c.constData());
    QList<Zeile> ergebnis;
    while (lesen_->executeStep()) {
        const SQLite::Column l = lesen_->getColumn(1);
        ergebnis.append({ lesen_->getColumn(0).getInt64(),
            l.isNull() ? QString() : QString::fromUtf8(l.getText(), l.getBytes()) });
    }
    return ergebnis;
}

void StationsTabelle::anlegen(const QString& call, const QString& locators)
{
    if (!anlegen_)
        anlegen_.emplace(db_.db(), "INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)");
    const QByteArray c = call.toUtf8();
    const QByteArray l = locators.toUtf8();
    anlegen_->reset();
    anlegen_->bindNoCopy(1, c.constData());
    anlegen_->bindNoCopy(2, l.constData());
    anlegen_->exec();
}

void StationsTabelle::zusammenfassen(const QString& call, qint64 erste, const QString& locators)
{
    db_.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE rowid=?"_s, { locators, erste });
    db_.execute(u"DELETE FROM STATIONS WHERE CALL=? AND rowid<>?"_s, { call, erste });
}

} // namespace tarvex
