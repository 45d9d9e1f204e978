// The contest log at 1,000 / 10,000 / 50,000 contacts: the lines of the log
// pages built and turned into the text of the output file (the band table
// itself is read by one statement in stored order).
#include "logout/LogSeiten.h"
#include "store/QsoRecord.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

QList<tarvex::QsoRecord> kontakte(int anzahl)
{
    QList<tarvex::QsoRecord> qsos;
    for (int i = 0; i < anzahl; ++i) {
        tarvex::QsoRecord q;
        q.nummer = i + 1;
        q.datum = u"05.12.26"_s;
        q.zeit = u"14:05"_s;
        q.rufzeichen = u"DL"_s + QString::number(i % 10) + u"ABC"_s;
        q.rstGeg = u"59"_s + QString::number(i + 1).rightJustified(3, u'0');
        q.rstErh = u"59"_s + QString::number(i % 1000).rightJustified(3, u'0');
        q.locator = u"JO31AB"_s;
        q.punkte = i % 97 == 0 ? u"-----"_s : QString::number(i % 900 + 1);
        q.kommentar = i % 10 == 0 ? u"Nebel"_s : QString();
        qsos.append(q);
    }
    return qsos;
}

void BM_LogSeitenText(benchmark::State& state)
{
    const QList<tarvex::QsoRecord> qsos = kontakte(int(state.range(0)));
    const tarvex::LogSeiten::Kopf kopf { u"Test"_s, u"1"_s, u"DL0XX"_s, u"JO31AA"_s,
        QString::number(qsos.size() + 1), u"123456"_s };
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvex::LogSeiten::text(tarvex::LogSeiten::zeilen(qsos, kopf)));
}
BENCHMARK(BM_LogSeitenText)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
