// Costs of the work done on every Enter: classifying and applying tokens,
// and distance plus bearing per locator pair.
#include "common/Prompter.h"
#include "entry/EntryActions.h"
#include "entry/EntryModel.h"
#include "entry/KeystrokeLog.h"
#include "entry/Klasse.h"
#include "entry/Locator.h"
#include "entry/Zeichen.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

const QStringList kTokens = { u"DL1ABC"_s, u"JO31AB"_s, u"59001"_s, u"/P"_s, u"OE/"_s, u"1430"_s, u"599012"_s,
    u"G4XYZ"_s, u"2CD"_s, u"IO91AA"_s, u"+7"_s, u"Q"_s, u"PA3ABC"_s, u"59A"_s, u"01.12.26"_s, u"XYZ"_s };

struct NoActions final : tarvex::EntryActions {
    void prüfen() override { }
    void suchen(const QString&) override { }
    void speichern() override { }
    void doppelFrage() override { }
    void alleAnzeigen() override { }
};

struct SilentPrompter final : tarvex::Prompter {
    tarvex::Meldung::Antwort zeige(const tarvex::Meldung& m) override { return m.standard; }
    std::optional<QString> frage(const tarvex::Eingabefrage& f) override { return f.vorgabe; }
    std::optional<QString> dateiWählen(const tarvex::Dateiwahl&) override { return std::nullopt; }
};

void BM_Classify(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const QString& token = kTokens[static_cast<qsizetype>(i++ % kTokens.size())];
        benchmark::DoNotOptimize(tarvex::klassifiziere(token, tarvex::Zeichen(token), 6));
    }
}
BENCHMARK(BM_Classify);

// Auswert including the keystroke log line it appends for each token.
void BM_AuswertWithKeystrokeLog(benchmark::State& state)
{
    QTemporaryDir dir;
    tarvex::KeystrokeLog log(dir.filePath(u"LOG.TXT"_s));
    NoActions actions;
    SilentPrompter prompter;
    tarvex::EntryModel model(actions, prompter, log);
    model.felder().lblLocator = u"JO31AA"_s;
    std::size_t i = 0;
    for (auto _ : state) {
        model.Auswert(kTokens[static_cast<qsizetype>(i++ % kTokens.size())]);
        if (i % 64 == 0) {
            state.PauseTiming();
            log.löschen();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_AuswertWithKeystrokeLog);

void BM_Abstand(benchmark::State& state)
{
    const QStringList locators = { u"JO31AB"_s, u"IO91AA"_s, u"KN00AA"_s, u"JN58TD"_s, u"KO02MF"_s };
    std::size_t i = 0;
    for (auto _ : state) {
        const QString& other = locators[static_cast<qsizetype>(i++ % locators.size())];
        benchmark::DoNotOptimize(tarvex::Abstand(u"JO62QM"_s, other));
    }
}
BENCHMARK(BM_Abstand);

} // namespace
