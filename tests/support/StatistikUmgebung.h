#pragma once
#include "ContestFixture.h"
#include "StatistikKontakte.h"
#include "store/ContestDatabase.h"

#include <QTest>
#include <memory>

namespace tarvex::test {

// The surroundings of the windows that read a contest (statistics, maps, QSL):
// a contest TEST.mdb on 144 MHz with the given contacts and the logging model
// over it.
struct StatistikUmgebung : Arbeitsplatz {
    explicit StatistikUmgebung(const QList<Kontakt>& kontakte)
    {
        schreibeContestDat(QStringLiteral("CONTEST.DAT"), {});
        schreibeCallInfo(QStringLiteral("CALLINFO.MDB"), {});
        ContestDatabase::anlegen(QStringLiteral("TEST.mdb"), { QStringLiteral("144MHz") },
            { QStringLiteral("DL0XX"), QStringLiteral("JO31AA") });
        model.öffnen(QStringLiteral("TEST.MDB"), QStringLiteral("144MHz"));
        schreibeKontakte(*model.db(), QStringLiteral("144MHz"), kontakte);
    }

    // A new window of this kind over the model, shown; null if it never appears.
    template <class Fenster> std::unique_ptr<Fenster> öffnen()
    {
        auto w = std::make_unique<Fenster>(model, prompter);
        w->resize(780, 520);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
    }

    ContestModel model { prompter, clock, keystrokes, lookup, settings };
};

} // namespace tarvex::test
