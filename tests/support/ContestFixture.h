#pragma once
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "common/Clock.h"
#include "common/Fragensperre.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"
#include "store/Settings.h"

#include <gtest/gtest.h>

namespace tarvex::test {

class FixedClock final : public Clock {
public:
    QDateTime jetzt() const override { return zeit; }
    QDateTime zeit = QDateTime(QDate(2026, 12, 4), QTime(14, 5));
};

// What the logging model needs around it, in a scratch working directory that is
// the current one while it lives: scripted prompter, fixed clock, keystroke log,
// reference files (not yet written) and settings in a temporary INI file.
struct Arbeitsplatz {
    WorkDir dir;
    ScriptedPrompter prompter;
    // What the model and the look-up ask goes through it, as in the program.
    Fragensperre fragen { prompter };
    FixedClock clock;
    KeystrokeLog keystrokes { QStringLiteral("LOG.TXT") };
    ContestDat contestDat;
    CallInfoDb callInfo;
    CallLookup lookup { contestDat, callInfo, fragen };
    Settings settings { dir.pfad(QStringLiteral("CONTEST.ini")) };
};

// A contest TEST.mdb with 144 and 432 MHz, own station DL0XX in JO31AA, small
// reference files, and the logging model over it with a scripted prompter.
class ContestFixture : public ::testing::Test, public Arbeitsplatz {
public:
    ContestFixture();

    // Types the text into the input line key by key and presses Enter.
    void zeile(const QString& text);
    // A complete contact typed in one line, then saved with an empty Enter.
    void logge(const QString& text);
    QList<QsoRecord> band(const QString& name = QStringLiteral("144MHz"));
    const EntryFields& f() const { return model.felder(); }

    ContestModel model { fragen, clock, keystrokes, lookup, settings };
};

} // namespace tarvex::test
