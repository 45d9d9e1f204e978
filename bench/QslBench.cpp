// The QSL window's reads and writes on a band of 1,000 / 10,000 / 50,000
// contacts: filling the list (every contact selected) and inverting every mark.
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

// One contest file per size, filled in a single transaction.
struct Contest {
    QTemporaryDir dir;
    QString pfad;
};

Contest& contest(int anzahl)
{
    static std::map<int, std::unique_ptr<Contest>> cache;
    auto& c = cache[anzahl];
    if (c)
        return *c;
    c = std::make_unique<Contest>();
    c->pfad = c->dir.filePath(u"BENCH.mdb"_s);
    tarvex::ContestDatabase::anlegen(c->pfad, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    SQLite::Database db(c->pfad.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Transaction t(db);
    SQLite::Statement insert(db,
        "INSERT INTO \"144MHz\"(\"Nummer\",\"Datum\",\"Zeit\",\"Rufzeichen\",\"RST geg\","
        "\"RST erh\",\"Locator\",\"Punkte\",\"Winkel\",\"KernCall\",\"Square\",\"Land\","
        "\"Kommentar\",\"QSL\") VALUES(?,'05.12.26','14:05',?,'59001','59002','JO62QM',?,"
        "'45',?,'JO62','Deutschland','',?)");
    for (int i = 1; i <= anzahl; ++i) {
        const std::string call = "DL" + std::to_string(i % 10) + "A" + std::to_string(i);
        insert.bind(1, i);
        insert.bind(2, call);
        insert.bind(3, std::to_string(1 + i % 900));
        insert.bind(4, call);
        insert.bind(5, i % 3 == 0 ? 1 : 0);
        insert.exec();
        insert.reset();
    }
    t.commit();
    return *c;
}

void BM_QslListe(benchmark::State& state)
{
    tarvex::ContestDatabase db = tarvex::ContestDatabase::öffnen(contest(int(state.range(0))).pfad);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.qslAuswahl(u"144MHz"_s, u"*"_s, 0));
}
BENCHMARK(BM_QslListe)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_QslUmkehren(benchmark::State& state)
{
    tarvex::ContestDatabase db = tarvex::ContestDatabase::öffnen(contest(int(state.range(0))).pfad);
    for (auto _ : state)
        db.qslMarkieren(u"144MHz"_s, u"DL*"_s, 0, tarvex::QslAbfrage::Markierung::Umkehren);
}
BENCHMARK(BM_QslUmkehren)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
