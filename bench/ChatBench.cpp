// What the chat and the cluster cost the logging window: reading a burst of
// lines as a busy chat sends them (10,000 per run) and marking a user list of
// 300 stations "worked" after a save, at 1,000 / 10,000 / 50,000 contacts.
// Budgets: 50 ms for the burst, 20 ms for the marks at 50,000.
#include "chat/ChatModel.h"
#include "chat/Gearbeitet.h"
#include "chat/KstZeile.h"
#include "chat/Spot.h"
#include "chat/TelnetZeilen.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
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

void BM_ChatLinesBurst(benchmark::State& state)
{
    QByteArray daten;
    for (int i = 0; i < 10000; ++i) {
        if (i % 3 == 0)
            daten += "DX de PA3ABC:    144300.0  OK1K" + QByteArray(1, char('A' + i % 26))
                + "W       JO60RN<TR>JO70AA tnx       1401Z JO21\r\n";
        else
            daten += "1342Z DL" + QByteArray::number(i % 10) + "ABC Hans> (DL0XX) sked 144.360 please "
                + QByteArray::number(i) + "\r\n";
    }
    for (auto _ : state) {
        tarvex::TelnetZeilen t;
        t.anhängen(daten);
        int n = 0;
        while (const auto z = t.nächsteZeile()) {
            if (const auto m = tarvex::kst::nachricht(*z))
                n += tarvex::kst::erwähnt(*m, u"DL0XX"_s);
            else if (tarvex::spotLesen(*z))
                ++n;
        }
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ChatLinesBurst)->Unit(benchmark::kMillisecond);

// A contest with n contacts; after each save the 300 users are asked again.
void BM_WorkedMarks(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        auto db
            = tarvex::ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DL1ABC"_s, u"JO62QM"_s });
        QList<tarvex::QsoRecord> qsos;
        for (int i = 0; i < state.range(0); ++i)
            qsos.append(
                { i + 1, u"06.05.02"_s, u"12:34"_s, u"DK%1XY"_s.arg(i), u"599001"_s, u"579012"_s, u"JO62QM"_s,
                    u"512"_s, u"87"_s, u"DK%1XY"_s.arg(i), u"JO62"_s, u"Deutschland"_s, QString(), false });
        db.qsosImportieren(u"144MHz"_s, qsos);
    }
    SilentPrompter prompter;
    tarvex::SystemClock clock;
    tarvex::KeystrokeLog keystrokes(u"LOG.TXT"_s);
    tarvex::ContestDat contestDat;
    tarvex::CallInfoDb callInfo;
    tarvex::CallLookup lookup(contestDat, callInfo, prompter);
    tarvex::Settings settings(dir.filePath(u"CONTEST.ini"_s));
    tarvex::ContestModel model(prompter, clock, keystrokes, lookup, settings);
    model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
    for (auto _ : state) {
        // A fresh cache each run, as after a save.
        tarvex::Gearbeitet gearbeitet(model);
        int n = 0;
        for (int i = 0; i < 300; ++i)
            n += gearbeitet.gearbeitet(u"DK%1XY"_s.arg(i * 7));
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_WorkedMarks)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
