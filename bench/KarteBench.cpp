// The maps' reads at 1,000 / 10,000 / 50,000 contacts: square counts into the
// grid (graphic and text map) and the points of the contact lines.
#include "entry/Wertung.h"
#include "stats/Grossfeldraster.h"
#include "stats/Kartenpunkt.h"
#include "store/ContestDatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

// A contest with n contacts spread over the grid, one in twenty invalid.
tarvex::ContestDatabase kontest(const QTemporaryDir& dir, int n)
{
    const QString pfad = dir.filePath(u"B.mdb"_s);
    tarvex::ContestDatabase::anlegen(pfad, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    tarvex::Connection c(pfad, tarvex::Connection::Zugriff::LesenSchreiben);
    c.exec(u"BEGIN"_s);
    for (int i = 0; i < n; ++i) {
        const QChar l[] = { QChar(u'I' + i % 3), QChar(u'M' + (i / 3) % 4), QChar(u'0' + (i / 12) % 10),
            QChar(u'0' + (i / 120) % 10), QChar(u'A' + i % 24), QChar(u'A' + (i / 24) % 24) };
        const QString locator(l, 6);
        const bool gültig = i % 20 != 0;
        c.execute(
            u"INSERT INTO \"144MHz\"(Nummer,Rufzeichen,Locator,Punkte,Square,Land) VALUES(?,?,?,?,?,?)"_s,
            { i + 1, u"DL%1"_s.arg(i), locator, gültig ? u"100"_s : u"-----"_s,
                gültig ? locator.left(4) : u" "_s, u"X"_s });
    }
    c.exec(u"COMMIT"_s);
    return tarvex::ContestDatabase::öffnen(pfad);
}

void BM_GroßfelderBelegen(benchmark::State& state)
{
    QTemporaryDir dir;
    auto db = kontest(dir, static_cast<int>(state.range(0)));
    tarvex::Großfeldraster gitter(19);
    // The counts come from the running score the contest keeps anyway.
    const tarvex::Wertung wertung = tarvex::Wertung::aus(db, u"144MHz"_s);
    for (auto _ : state) {
        gitter.Erzeugen();
        gitter.Belegen(wertung.gruppen(tarvex::Gruppierung::Square), u"JO31"_s);
        benchmark::DoNotOptimize(gitter.zelle(18, 8));
    }
}
BENCHMARK(BM_GroßfelderBelegen)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_QsoLinien(benchmark::State& state)
{
    QTemporaryDir dir;
    const int n = static_cast<int>(state.range(0));
    auto db = kontest(dir, n);
    // The contacts' places come from the running score the contest keeps anyway.
    const tarvex::Wertung wertung = tarvex::Wertung::aus(db, u"144MHz"_s);
    for (auto _ : state) {
        int punkte = 0;
        for (const tarvex::Kontaktort& ort : wertung.orte())
            punkte += tarvex::kartenpunkt(ort).has_value();
        benchmark::DoNotOptimize(punkte);
    }
}
BENCHMARK(BM_QsoLinien)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
