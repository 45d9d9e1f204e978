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
        anweisungen_.reset();
        db_.db().exec("PRAGMA cache_size=" + std::to_string(alterCache_));
    } catch (const std::exception&) {
        // The cache of this connection only: it goes with the connection anyway.
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

struct StationsTabelle::Anweisungen {
    explicit Anweisungen(SQLite::Database& db)
        : lesen(db, "SELECT rowid, LOCATORS FROM STATIONS WHERE CALL = ? ORDER BY rowid")
        , ändern(db, "UPDATE STATIONS SET LOCATORS = ? WHERE rowid = ?")
        , löschen(db, "DELETE FROM STATIONS WHERE rowid = ?")
        , anlegen(db, "INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)")
        , bündelAnlegen(db, bündel())
    {
    }
    static std::string bündel()
    {
        std::string sql = "INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)";
        for (int i = 1; i < kBündel; ++i)
            sql += ",(?, ?)";
        return sql;
    }
    SQLite::Statement lesen;
    SQLite::Statement ändern;
    SQLite::Statement löschen;
    SQLite::Statement anlegen;
    // New rows a hundred at a time: the engine's cost per statement is then shared.
    static constexpr int kBündel = 100;
    SQLite::Statement bündelAnlegen;
};

namespace {

void ausführen(SQLite::Statement& s)
{
    s.exec();
    s.reset();
    s.clearBindings();
}

} // namespace

StationsTabelle::Zeilen StationsTabelle::lesen(const QByteArray& call)
{
    if (!anweisungen_)
        anweisungen_ = std::make_unique<Anweisungen>(db_.db());
    SQLite::Statement& s = anweisungen_->lesen;
    s.bindNoCopy(1, call.constData());
    Zeilen zeilen;
    while (s.executeStep()) {
        const SQLite::Column l = s.getColumn(1);
        zeilen.rowids.append(s.getColumn(0).getInt64());
        zeilen.locators.append(l.isNull() ? QString() : QString::fromUtf8(l.getText(), l.getBytes()));
    }
    s.reset();
    s.clearBindings();
    return zeilen;
}

void StationsTabelle::zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators)
{
    const QByteArray l = locators.toUtf8();
    SQLite::Statement& ändern = anweisungen_->ändern;
    ändern.bindNoCopy(1, l.constData());
    ändern.bind(2, static_cast<int64_t>(erste));
    ausführen(ändern);
    for (const qint64 rowid : übrige) {
        anweisungen_->löschen.bind(1, static_cast<int64_t>(rowid));
        ausführen(anweisungen_->löschen);
    }
}

void StationsTabelle::anlegen(const QByteArray& call, const QByteArray& locators)
{
    if (!anweisungen_)
        anweisungen_ = std::make_unique<Anweisungen>(db_.db());
    offen_.emplace_back(call, locators);
    if (offen_.size() < Anweisungen::kBündel)
        return;
    SQLite::Statement& s = anweisungen_->bündelAnlegen;
    for (std::size_t i = 0; i < offen_.size(); ++i) {
        s.bindNoCopy(static_cast<int>(2 * i + 1), offen_[i].first.constData());
        s.bindNoCopy(static_cast<int>(2 * i + 2), offen_[i].second.constData());
    }
    ausführen(s);
    offen_.clear();
}

void StationsTabelle::abschließen()
{
    for (const auto& [call, locators] : offen_) {
        SQLite::Statement& s = anweisungen_->anlegen;
        s.bindNoCopy(1, call.constData());
        s.bindNoCopy(2, locators.constData());
        ausführen(s);
    }
    offen_.clear();
}

} // namespace tarvex
