#include "StationsTabelle.h"
#include "Connection.h"

#include "common/UserError.h"

#include <QByteArray>
#include <SQLiteCpp/Statement.h>
#include <string>

namespace tarvex {

using namespace Qt::StringLiterals;

void StationsTabelle::prüfen(Connection& contestDat)
{
    if (!contestDat.hatTabelle(u"STATIONS"_s))
        throw UserError(u"%1 hat keine Tabelle STATIONS; ist das eine CONTEST.DAT?"_s.arg(contestDat.pfad()));
}

StationsTabelle::StationsTabelle(Connection& contestDat)
    : db_(contestDat)
{
    prüfen(db_);
    // An import visits the call index all over: the pages stay in memory instead of being read
    // again. The connection lives on: its cache shrinks back afterwards.
    alterCache_ = db_.scalar(u"PRAGMA cache_size"_s).toLongLong();
    db_.exec(u"PRAGMA cache_size=-32768"_s);
}

StationsTabelle::~StationsTabelle()
{
    try {
        db_.db().exec("PRAGMA cache_size=" + std::to_string(alterCache_));
        if (vorgemerkt_)
            db_.db().exec("DROP TABLE IF EXISTS temp.STATIONS_IMPORT");
    } catch (const std::exception&) {
        // Scratch and cache of this connection only: they go with the connection anyway.
    }
}

void StationsTabelle::indexSicherstellen()
{
    if (db_.scalar(u"SELECT count(*) FROM pragma_index_list('STATIONS') l, pragma_index_info(l.name) i "
                   "WHERE i.seqno=0 AND i.name='CALL' COLLATE NOCASE"_s)
            .toInt()
        == 0)
        db_.execute(u"CREATE INDEX STATIONS_CALL ON STATIONS(CALL)"_s);
}

void StationsTabelle::vormerken(const QList<Neu>& stationen)
{
    SQLite::Database& db = db_.db();
    db.exec(
        "CREATE TEMP TABLE IF NOT EXISTS STATIONS_IMPORT(NR INTEGER PRIMARY KEY, CALL TEXT, LOCATORS TEXT)");
    db.exec("DELETE FROM temp.STATIONS_IMPORT");
    vorgemerkt_ = true;
    SQLite::Statement einfügen(db, "INSERT INTO temp.STATIONS_IMPORT(NR, CALL, LOCATORS) VALUES(?, ?, ?)");
    for (qsizetype i = 0; i < stationen.size(); ++i) {
        const QByteArray c = stationen[i].call.toUtf8();
        const QByteArray l = stationen[i].locators.toUtf8();
        einfügen.reset();
        einfügen.bind(1, static_cast<int64_t>(i));
        einfügen.bindNoCopy(2, c.constData());
        einfügen.bindNoCopy(3, l.constData());
        einfügen.exec();
    }
}

QList<StationsTabelle::Vorhanden> StationsTabelle::vorhandene()
{
    SQLite::Statement lesen(db_.db(),
        "SELECT n.NR, s.rowid, s.LOCATORS FROM temp.STATIONS_IMPORT n JOIN main.STATIONS s ON s.CALL = "
        "n.CALL "
        "ORDER BY n.NR, s.rowid");
    QList<Vorhanden> ergebnis;
    while (lesen.executeStep()) {
        const qsizetype nr = lesen.getColumn(0).getInt64();
        if (ergebnis.isEmpty() || ergebnis.last().nr != nr)
            ergebnis.append({ nr, {}, {} });
        const SQLite::Column l = lesen.getColumn(2);
        ergebnis.last().rowids.append(lesen.getColumn(1).getInt64());
        ergebnis.last().locators.append(
            l.isNull() ? QString() : QString::fromUtf8(l.getText(), l.getBytes()));
    }
    return ergebnis;
}

void StationsTabelle::neueAnlegen()
{
    // In the order of the calls, so the index grows at one end instead of all over.
    db_.db().exec(
        "INSERT INTO main.STATIONS(CALL, LOCATORS) SELECT n.CALL, n.LOCATORS FROM temp.STATIONS_IMPORT n "
        "WHERE NOT EXISTS (SELECT 1 FROM main.STATIONS s WHERE s.CALL = n.CALL) ORDER BY n.CALL");
}

void StationsTabelle::zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators)
{
    db_.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE rowid=?"_s, { locators, erste });
    for (const qint64 rowid : übrige)
        db_.execute(u"DELETE FROM STATIONS WHERE rowid=?"_s, { rowid });
}

} // namespace tarvex
