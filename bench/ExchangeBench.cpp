// The exchange-file export of a whole band (read in stored order, EXP and ADIF
// written and renamed into place) and the reading of such a file for the import,
// at 1,000 / 10,000 / 50,000 contacts. Budget: 100 ms for the band's read at 50,000.
#include "common/Clock.h"
#include "common/Prompter.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "formats/EdiSchreiber.h"
#include "formats/ExpDatei.h"
#include "logout/ExpExport.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

struct SilentPrompter final : tarvex::Prompter {
    tarvex::Meldung::Antwort zeige(const tarvex::Meldung& m) override { return m.standard; }
    std::optional<QString> frage(const tarvex::Eingabefrage& f) override { return f.vorgabe; }
    std::optional<QString> dateiWählen(const tarvex::Dateiwahl&) override { return std::nullopt; }
};

// A contest TEST.mdb in a scratch working directory with n contacts on 144 MHz.
struct Umgebung {
    explicit Umgebung(int n)
    {
        QDir::setCurrent(dir.path());
        auto db
            = tarvex::ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DL1ABC"_s, u"JO62QM"_s });
        QList<tarvex::QsoRecord> qsos;
        for (int i = 0; i < n; ++i) {
            tarvex::QsoRecord q { i + 1, u"06.05.02"_s, u"12:34"_s, u"DK%1XY"_s.arg(i % 10),
                u"599"_s + QString::number(i % 1000).rightJustified(3, u'0'), u"579012"_s, u"JO62QM"_s,
                u"512"_s, u"87"_s, u"DK2XY"_s, u"JO62"_s, u"Deutschland"_s, QString(), false };
            qsos.append(q);
        }
        db.qsosImportieren(u"144MHz"_s, qsos);
    }
    QTemporaryDir dir;
};

void BM_ExportWithAdif(benchmark::State& state)
{
    Umgebung u(static_cast<int>(state.range(0)));
    SilentPrompter prompter;
    tarvex::SystemClock clock;
    tarvex::KeystrokeLog keystrokes(u"LOG.TXT"_s);
    tarvex::ContestDat contestDat;
    tarvex::CallInfoDb callInfo;
    tarvex::CallLookup lookup(contestDat, callInfo, prompter);
    tarvex::Settings settings(u.dir.filePath(u"CONTEST.ini"_s));
    tarvex::ContestModel model(prompter, clock, keystrokes, lookup, settings);
    model.setEigeneStation(u"DL1ABC/P"_s, u"JO62QM"_s);
    model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
    tarvex::ExpExport exporter(model, clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(exporter.exportieren(true));
}
BENCHMARK(BM_ExportWithAdif)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The EDI step of "&Drucken" alone: one record per contact with its "new square", "new
// country" and duplicate flags, from contacts already read.
void BM_EdiRecords(benchmark::State& state)
{
    QList<tarvex::QsoRecord> qsos;
    for (int i = 0; i < state.range(0); ++i) {
        const QString call
            = u"D%1%2%3"_s.arg(QChar(u'A' + i % 26)).arg(i % 10).arg(i / 10, 3, 36, QChar(u'A'));
        const QString square = u"JO%1"_s.arg(i % 100, 2, 10, QChar(u'0'));
        qsos.append({ i + 1, u"06.05.02"_s, u"12:34"_s, call, u"599"_s + QString::number(i % 1000),
            u"579012"_s, square + u"AA"_s, i % 50 == 0 ? u"-----"_s : u"512"_s, u"87"_s, call.toUpper(),
            square, i % 7 == 0 ? u"Österreich"_s : u"Deutschland"_s, QString(), false });
    }
    for (auto _ : state) {
        tarvex::EdiSchreiber::Aufbau aufbau;
        aufbau.reservieren(qsos.size());
        for (const tarvex::QsoRecord& q : qsos)
            aufbau.hinzufügen(q);
        benchmark::DoNotOptimize(aufbau.anzahl());
    }
}
BENCHMARK(BM_EdiRecords)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The export's read of the band alone.
void BM_BandRead(benchmark::State& state)
{
    Umgebung u(static_cast<int>(state.range(0)));
    auto db = tarvex::ContestDatabase::öffnen(u"TEST.MDB"_s);
    for (auto _ : state) {
        int n = 0;
        db.qsosDurchlaufen(
            u"144MHz"_s, [&](const tarvex::QsoRecord& q) { n += static_cast<int>(q.land.size()); });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_BandRead)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_ExpFileRead(benchmark::State& state)
{
    Umgebung u(static_cast<int>(state.range(0)));
    auto db = tarvex::ContestDatabase::öffnen(u"TEST.MDB"_s);
    QStringList zeilen { tarvex::ExpDatei::kKopf, u"DL1ABC"_s, u"JO62QM"_s, u"144MHz"_s, u"200205"_s };
    for (const tarvex::QsoRecord& q : db.qsos(u"144MHz"_s))
        zeilen.append(tarvex::ExpDatei::qsoZeile(q));
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvex::ExpDatei::lesen(zeilen, u"X.EXP"_s));
}
BENCHMARK(BM_ExpFileRead)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
