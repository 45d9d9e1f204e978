// The statistics windows' reads at 1,000 / 10,000 / 50,000 contacts on the band:
// each view must be ready within 100 ms.
#include "entry/Wertung.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

using namespace Qt::StringLiterals;
using tarvex::ContestDatabase;

// One contest file per size, filled in one transaction through a separate connection.
ContestDatabase& contest(int anzahl)
{
    static QTemporaryDir dir;
    static std::map<int, std::unique_ptr<ContestDatabase>> offen;
    auto& db = offen[anzahl];
    if (db)
        return *db;
    const QString pfad = dir.filePath(u"BENCH%1.mdb"_s.arg(anzahl));
    ContestDatabase::anlegen(pfad, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    {
        SQLite::Database roh(pfad.toStdString(), SQLite::OPEN_READWRITE);
        SQLite::Transaction transaktion(roh);
        SQLite::Statement insert(
            roh, "INSERT INTO \"144MHz\" VALUES(?,'05.12.26',?,?,'59001','59001',?,?,'90',?,?,?,'',0)");
        static const char* const länder[] = { "Deutschland", "Niederlande", "Belgien", "Frankreich", "Polen",
            "Tschechische Republik", "Österreich", "Dänemark" };
        for (int i = 1; i <= anzahl; ++i) {
            const std::string call = "DL" + std::to_string(i) + "X";
            const std::string square = std::string { "JO" } + char('0' + i % 10) + char('0' + i / 10 % 10);
            const bool ungültig = i % 50 == 0;
            insert.bind(1, i);
            insert.bind(2,
                (i / 60 % 24 < 10 ? "0" : "") + std::to_string(i / 60 % 24) + ":"
                    + std::to_string(10 + i % 50));
            insert.bind(3, call);
            insert.bind(4, square + "AA");
            insert.bind(5, ungültig ? std::string("-----") : std::to_string(1 + i * 7919 % 1200));
            insert.bind(6, call);
            insert.bind(7, ungültig ? std::string(" ") : square);
            insert.bind(8, ungültig ? std::string(" ") : std::string(länder[i % 8]));
            insert.exec();
            insert.reset();
        }
        transaktion.commit();
    }
    db = std::make_unique<ContestDatabase>(ContestDatabase::öffnen(pfad));
    return *db;
}

// Countries and squares come from the running score: the cost of a view, not of the band.
void BM_StatistikGruppen(benchmark::State& state)
{
    ContestDatabase& db = contest(static_cast<int>(state.range(0)));
    const tarvex::Wertung wertung = tarvex::Wertung::aus(db, u"144MHz"_s);
    for (auto _ : state) {
        benchmark::DoNotOptimize(wertung.gruppen(tarvex::Gruppierung::Land));
        benchmark::DoNotOptimize(wertung.gruppen(tarvex::Gruppierung::Square));
    }
}
BENCHMARK(BM_StatistikGruppen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_StatistikEntfernungen(benchmark::State& state)
{
    ContestDatabase& db = contest(static_cast<int>(state.range(0)));
    const tarvex::Wertung wertung = tarvex::Wertung::aus(db, u"144MHz"_s);
    for (auto _ : state)
        benchmark::DoNotOptimize(wertung.entfernungen(true));
}
BENCHMARK(BM_StatistikEntfernungen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_StatistikStunden(benchmark::State& state)
{
    ContestDatabase& db = contest(static_cast<int>(state.range(0)));
    const tarvex::Wertung wertung = tarvex::Wertung::aus(db, u"144MHz"_s);
    for (auto _ : state)
        benchmark::DoNotOptimize(wertung.stunden());
}
BENCHMARK(BM_StatistikStunden)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
