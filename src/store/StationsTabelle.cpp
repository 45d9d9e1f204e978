#include "StationsTabelle.h"
#include "Connection.h"

#include "common/UserError.h"

#include <SQLiteCpp/Statement.h>
#include <algorithm>
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
        // The outer loop over the calls, one probe of the call index each, inside the engine.
        : lesen(db,
            "SELECT j.key, s.rowid, s.LOCATORS FROM json_each(?) AS j CROSS JOIN STATIONS AS s "
            "ON s.CALL = j.value ORDER BY j.key, s.rowid")
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

// Many values as one bound JSON text instead of a statement each.
void jsonText(std::string& json, std::string_view text)
{
    json += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[u >> 4];
            json += hex[u & 15];
        } else {
            json += c;
        }
    }
    json += '"';
}

} // namespace

std::vector<StationsTabelle::Zeile> StationsTabelle::lesen(const std::vector<std::string_view>& calls)
{
    if (!anweisungen_)
        anweisungen_ = std::make_unique<Anweisungen>(db_.db());
    std::vector<Zeile> zeilen;
    if (calls.empty())
        return zeilen;
    std::string json = "[";
    for (const std::string_view call : calls) {
        if (json.size() > 1)
            json += ',';
        jsonText(json, call);
    }
    json += ']';
    SQLite::Statement& s = anweisungen_->lesen;
    s.bindNoCopy(1, json);
    while (s.executeStep()) {
        const SQLite::Column l = s.getColumn(2);
        zeilen.push_back({ static_cast<std::size_t>(s.getColumn(0).getInt64()), s.getColumn(1).getInt64(),
            l.isNull() ? QString() : QString::fromUtf8(l.getText(), l.getBytes()) });
    }
    s.reset();
    s.clearBindings();
    return zeilen;
}

void StationsTabelle::zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators)
{
    änderungen_.emplace_back(erste, locators.toStdString());
    for (const qint64 rowid : übrige)
        änderungen_.emplace_back(rowid, std::nullopt);
}

void StationsTabelle::anlegen(std::string call, std::string locators)
{
    if (!anweisungen_)
        anweisungen_ = std::make_unique<Anweisungen>(db_.db());
    offen_.emplace_back(std::move(call), std::move(locators));
    if (offen_.size() < Anweisungen::kBündel)
        return;
    SQLite::Statement& s = anweisungen_->bündelAnlegen;
    for (std::size_t i = 0; i < offen_.size(); ++i) {
        s.bindNoCopy(static_cast<int>(2 * i + 1), offen_[i].first);
        s.bindNoCopy(static_cast<int>(2 * i + 2), offen_[i].second);
    }
    ausführen(s);
    offen_.clear();
}

void StationsTabelle::abschließen()
{
    // In stored order: the pages of the table are visited once, front to back.
    std::sort(änderungen_.begin(), änderungen_.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [rowid, locators] : änderungen_) {
        SQLite::Statement& s = locators ? anweisungen_->ändern : anweisungen_->löschen;
        if (locators) {
            s.bindNoCopy(1, *locators);
            s.bind(2, static_cast<int64_t>(rowid));
        } else {
            s.bind(1, static_cast<int64_t>(rowid));
        }
        ausführen(s);
    }
    änderungen_.clear();
    for (const auto& [call, locators] : offen_) {
        SQLite::Statement& s = anweisungen_->anlegen;
        s.bindNoCopy(1, call);
        s.bindNoCopy(2, locators);
        ausführen(s);
    }
    offen_.clear();
}

} // namespace tarvex
