// Saves contacts through the logging model in an endless loop and prints
// "ack N" once contact N has been saved. The durability test kills it at a
// random moment and checks that every acknowledged contact survived.
#include "common/Clock.h"
#include "common/Prompter.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"
#include "store/Settings.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace {

struct FailingPrompter final : tarvex::Prompter {
    tarvex::Meldung::Antwort zeige(const tarvex::Meldung& m) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", m.text.toUtf8().constData());
        std::exit(2);
    }
    std::optional<QString> frage(const tarvex::Eingabefrage& f) override
    {
        std::fprintf(stderr, "unexpected input box: %s\n", f.text.toUtf8().constData());
        std::exit(2);
    }
    std::optional<QString> dateiWählen(const tarvex::Dateiwahl& f) override
    {
        std::fprintf(stderr, "unexpected file dialog: %s\n", f.titel.toUtf8().constData());
        std::exit(2);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 1;
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    FailingPrompter prompter;
    tarvex::SystemClock clock;
    tarvex::KeystrokeLog keystrokes(QStringLiteral("LOG.TXT"));
    tarvex::ContestDat contestDat;
    tarvex::CallInfoDb callInfo;
    tarvex::CallLookup lookup(contestDat, callInfo, prompter);
    tarvex::Settings settings(QStringLiteral("CONTEST.ini"));
    tarvex::ContestModel model(prompter, clock, keystrokes, lookup, settings);
    model.setEigeneStation(QStringLiteral("DL0XX"), QStringLiteral("JO31AA"));
    model.entry().Löschen();
    model.öffnen(QStringLiteral("TEST.MDB"), QStringLiteral("144MHz"));

    for (int i = 0;; ++i) {
        const QString nummer = model.felder().txtNummer;
        // A new call each time, so no duplicate question interrupts the loop.
        const QString call = QStringLiteral("DL%1%2%3%4")
                                 .arg(i % 10)
                                 .arg(QChar(u'A' + i / 10 % 26))
                                 .arg(QChar(u'A' + i / 260 % 26))
                                 .arg(QChar(u'A' + i / 6760 % 26));
        model.entry().setzeEingabe(call + QStringLiteral(" JO62QM 59") + nummer);
        model.entry().enter();
        model.entry().enter();
        if (model.felder().txtNummer == nummer)
            return 3; // not saved
        std::printf("ack %s\n", nummer.toLatin1().constData());
        std::fflush(stdout);
    }
}
