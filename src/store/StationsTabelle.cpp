#include "StationsTabelle.h"
#include "Connection.h"

#include "common/Textmenge.h"
#include "common/UserError.h"

#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
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

// The stored calls, read by their index in its order, packed. Stops early when the
// answer is no longer wanted.
struct StationsTabelle::Voraus {
    std::atomic<bool> abbrechen = false;
    qint64 zeilen = 0;
    // Reserved by the caller's thread: memory a short-lived thread allocates stays with its heap.
    std::vector<KurzerText> calls;
    std::future<bool> fertig;

    bool lesen(const QString& pfad)
    {
        Connection c(pfad, Connection::Zugriff::NurLesen);
        // One pass along the index: no page is read twice.
        c.db().exec("PRAGMA cache_size=16");
        SQLite::Statement s(c.db(), "SELECT CALL FROM STATIONS ORDER BY CALL");
        for (std::size_t zeile = 1; s.executeStep(); ++zeile) {
            if (zeile % 4096 == 0 && abbrechen)
                return false;
            const SQLite::Column call = s.getColumn(0);
            // A longer or wider call is asked about anyway.
            if (!call.isText())
                continue;
            if (const std::optional<KurzerText> k = KurzerText::aus(
                    std::string_view(call.getText(), static_cast<std::size_t>(call.getBytes()))))
                calls.push_back(*k);
        }
        if (!std::is_sorted(calls.begin(), calls.end()))
            std::sort(calls.begin(), calls.end());
        return true;
    }

    ~Voraus()
    {
        abbrechen = true;
        if (fertig.valid())
            fertig.wait();
    }
};

StationsTabelle::~StationsTabelle()
{
    try {
        voraus_.reset();
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
        == 0) {
        db_.execute(u"CREATE INDEX STATIONS_CALL ON STATIONS(CALL)"_s);
        indexNeu_ = true;
    }
}

void StationsTabelle::vorauslesen()
{
    // A new index is not in the file yet: another connection would sort the whole table.
    if (indexNeu_ || voraus_)
        return;
    voraus_ = std::make_unique<Voraus>();
    // No fewer rows than the highest rowid; beyond a million the vector may grow.
    voraus_->zeilen = db_.scalar(u"SELECT coalesce(max(rowid), 0) FROM STATIONS"_s).toLongLong();
    voraus_->calls.reserve(static_cast<std::size_t>(std::min<qint64>(voraus_->zeilen, 1 << 20)));
    voraus_->fertig = std::async(std::launch::async, &Voraus::lesen, voraus_.get(), db_.pfad());
}

std::vector<std::size_t> StationsTabelle::zuFragen(const std::vector<std::string_view>& calls)
{
    std::vector<std::size_t> nr;
    nr.reserve(calls.size());
    std::unique_ptr<Voraus> voraus = std::move(voraus_);
    bool gelesen = false;
    // Waiting for every stored call pays off once the question is a good part of the table:
    // a call asked about costs the engine about as much as eight calls read in order.
    if (voraus
        && (static_cast<qint64>(calls.size()) * 8 >= voraus->zeilen
            || voraus->fertig.wait_for(std::chrono::seconds(0)) == std::future_status::ready)) {
        try {
            gelesen = voraus->fertig.get();
        } catch (...) {
            // Then the engine is asked about every call, and tells the failure itself.
        }
    }
    static const std::vector<KurzerText> keine;
    const std::vector<KurzerText>& gespeichert = gelesen ? voraus->calls : keine;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::optional<KurzerText> k = gelesen ? KurzerText::aus(calls[i]) : std::nullopt;
        if (!k || std::binary_search(gespeichert.begin(), gespeichert.end(), *k))
            nr.push_back(i);
    }
    return nr;
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
    const std::vector<std::size_t> nr = zuFragen(calls);
    if (nr.empty())
        return zeilen;
    std::string json = "[";
    for (const std::size_t i : nr) {
        if (json.size() > 1)
            json += ',';
        jsonText(json, calls[i]);
    }
    json += ']';
    SQLite::Statement& s = anweisungen_->lesen;
    s.bindNoCopy(1, json);
    while (s.executeStep()) {
        const SQLite::Column l = s.getColumn(2);
        zeilen.push_back({ nr[static_cast<std::size_t>(s.getColumn(0).getInt64())], s.getColumn(1).getInt64(),
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
