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

namespace {

// One probe of the call index per call.
constexpr const char* kFrage = "SELECT rowid, LOCATORS FROM STATIONS WHERE CALL = ? ORDER BY rowid";

} // namespace

// The engine's answer as it comes, the texts side by side in one buffer: filled on
// another thread into memory the caller reserved.
struct StationsTabelle::Antwort {
    struct Roh {
        std::size_t frage; // the call's place in the question
        qint64 rowid;
        std::size_t anfang;
        int länge; // -1: NULL
    };
    std::vector<Roh> zeilen;
    std::string texte;

    void reservieren(std::size_t calls)
    {
        zeilen.reserve(calls + 16);
        texte.reserve(calls * 16);
    }
    void lesen(
        SQLite::Statement& s, const std::vector<std::string>& calls, const std::atomic<bool>* abbrechen)
    {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (abbrechen && i % 1024 == 0 && *abbrechen)
                return;
            s.bindNoCopy(1, calls[i]);
            while (s.executeStep()) {
                const SQLite::Column l = s.getColumn(1);
                const int länge = l.isNull() ? -1 : l.getBytes();
                zeilen.push_back({ i, s.getColumn(0).getInt64(), texte.size(), länge });
                if (länge > 0)
                    texte.append(l.getText(), static_cast<std::size_t>(länge));
            }
            s.reset();
        }
        s.clearBindings();
    }
};

// A thread of its own with a read-only connection: first the stored calls, read by their
// index in its order and packed; then, while the caller writes the new calls, the rows of
// those it asks about. One read transaction for both: the writer waits for it, never the
// other way round.
struct StationsTabelle::Voraus {
    std::atomic<bool> abbrechen = false;
    qint64 zeilen = 0;
    // Reserved by the caller's thread: memory a short-lived thread allocates stays with its heap.
    std::vector<KurzerText> calls;
    std::promise<bool> gelesenZusage;
    std::future<bool> gelesen = gelesenZusage.get_future();
    // The calls to ask about, held by the caller until the answer; none when there is no question.
    std::promise<const std::vector<std::string>*> frageZusage;
    std::future<const std::vector<std::string>*> frage = frageZusage.get_future();
    bool gefragt = false;
    Antwort antwort;
    std::future<void> ende;

    void fragen(const std::vector<std::string>& gefragteCalls)
    {
        gefragt = true;
        frageZusage.set_value(&gefragteCalls);
    }

    void laufen(const QString& pfad)
    {
        std::optional<Connection> c;
        try {
            c.emplace(pfad, Connection::Zugriff::NurLesen);
            // One pass along the index: no page is read twice.
            c->db().exec("PRAGMA cache_size=16");
            c->db().exec("BEGIN");
            gelesenZusage.set_value(callsLesen(c->db()));
        } catch (...) {
            gelesenZusage.set_exception(std::current_exception());
            return;
        }
        const std::vector<std::string>* gefragteCalls = frage.get();
        if (!gefragteCalls || abbrechen)
            return;
        SQLite::Statement s(c->db(), kFrage);
        antwort.lesen(s, *gefragteCalls, &abbrechen);
    }

    bool callsLesen(SQLite::Database& db)
    {
        SQLite::Statement s(db, "SELECT CALL FROM STATIONS ORDER BY CALL");
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
        if (!gefragt)
            frageZusage.set_value(nullptr);
        if (ende.valid())
            ende.wait();
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
    voraus_->ende = std::async(std::launch::async, &Voraus::laufen, voraus_.get(), db_.pfad());
}

bool StationsTabelle::vorausGelesen(std::size_t calls)
{
    if (!voraus_)
        return false;
    // Waiting for every stored call pays off once the question is a good part of the table:
    // a call asked about costs the engine about as much as eight calls read in order.
    // Asked a second time, the stored calls are gone: then the engine is asked.
    if (voraus_->gelesen.valid()
        && (static_cast<qint64>(calls) * 8 >= voraus_->zeilen
            || voraus_->gelesen.wait_for(std::chrono::seconds(0)) == std::future_status::ready)) {
        try {
            if (voraus_->gelesen.get())
                return true;
        } catch (...) {
            // Then the engine is asked about every call, and tells the failure itself.
        }
    }
    voraus_.reset();
    return false;
}

std::vector<std::size_t> StationsTabelle::zuFragen(const std::vector<std::string_view>& calls)
{
    std::vector<std::size_t> nr;
    nr.reserve(calls.size());
    const bool gelesen = vorausGelesen(calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::optional<KurzerText> k = gelesen ? KurzerText::aus(calls[i]) : std::nullopt;
        if (!k || std::binary_search(voraus_->calls.begin(), voraus_->calls.end(), *k))
            nr.push_back(i);
    }
    // The stored calls are no longer needed, only the thread's connection.
    if (voraus_)
        std::vector<KurzerText>().swap(voraus_->calls);
    return nr;
}

struct StationsTabelle::Anweisungen {
    explicit Anweisungen(SQLite::Database& db)
        : lesen(db, kFrage)
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

std::vector<std::size_t> StationsTabelle::fragen(const std::vector<std::string_view>& calls)
{
    if (!anweisungen_)
        anweisungen_ = std::make_unique<Anweisungen>(db_.db());
    gefragt_ = zuFragen(calls);
    frage_.clear();
    frage_.reserve(gefragt_.size());
    for (const std::size_t i : gefragt_)
        frage_.emplace_back(calls[i]);
    antwort_ = std::make_unique<Antwort>();
    if (gefragt_.empty()) {
        voraus_.reset();
    } else if (voraus_) {
        voraus_->antwort.reservieren(gefragt_.size());
        voraus_->fragen(frage_);
    } else {
        antwort_->lesen(anweisungen_->lesen, frage_, nullptr);
    }
    return gefragt_;
}

std::vector<StationsTabelle::Zeile> StationsTabelle::antworten()
{
    if (voraus_) {
        try {
            voraus_->ende.get();
            std::swap(*antwort_, voraus_->antwort);
        } catch (...) {
            // This connection has not written any of the calls asked about: it answers the same.
            *antwort_ = {};
            antwort_->lesen(anweisungen_->lesen, frage_, nullptr);
        }
        voraus_.reset();
    }
    std::vector<Zeile> zeilen;
    if (!antwort_)
        return zeilen;
    zeilen.reserve(antwort_->zeilen.size());
    for (const Antwort::Roh& r : antwort_->zeilen) {
        zeilen.push_back({ gefragt_[r.frage], r.rowid,
            r.länge < 0 ? QString() : QString::fromUtf8(antwort_->texte.data() + r.anfang, r.länge) });
    }
    antwort_.reset();
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
