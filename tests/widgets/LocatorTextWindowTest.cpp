// The text map: read as text, with the counts' colours, recomputed whenever
// the window becomes active.
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "stats/LocatorTextModel.h"
#include "stats/LocatorTextWindow.h"
#include "store/ContestDatabase.h"
#include "store/ReferenceDatabase.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"

#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct Umgebung : test::Arbeitsplatz {
    std::unique_ptr<Connection> roh;
    ContestModel model{prompter, clock, keystrokes, lookup, settings};
    LocatorTextModel karte{model, prompter};
    LocatorTextWindow fenster{karte};
    int n = 0;

    Umgebung()
    {
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        model.setEigeneStation(u"DL0XX"_s, u"JO31AA"_s);
        model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        roh = std::make_unique<Connection>(dir.pfad(u"TEST.mdb"_s), Connection::Zugriff::LesenSchreiben);
        roh->exec(u"PRAGMA synchronous=OFF"_s); // contacts of the test need no durable saves
        for (int i = 0; i < 5; ++i)
            kontakt(u"JO31"_s);
        for (int i = 0; i < 3; ++i)
            kontakt(u"JO30"_s);
    }

    void kontakt(const QString& square)
    {
        QsoRecord q;
        q.nummer = ++n;
        q.rufzeichen = u"DL%1X"_s.arg(n);
        q.locator = square + u"MM"_s;
        q.punkte = u"50"_s;
        q.square = square;
        einfügen(q);
    }

    void einfügen(const QsoRecord& q)
    {
        roh->execute(u"INSERT INTO \"144MHz\"(Nummer,Rufzeichen,Locator,Punkte,Square,Land) VALUES(?,?,?,?,?,?)"_s,
                     {q.nummer, q.rufzeichen, q.locator, q.punkte, q.square, q.land});
    }
    QStringList zeilen() const { return fenster.text()->toPlainText().split(u'\n'); }
    // Text colour and background of the character at line r (0 = row 5), column x.
    std::pair<QColor, QColor> farben(int r, int x) const
    {
        QTextCursor c(fenster.text()->document()->findBlockByNumber(r));
        c.setPosition(c.position() + x + 1);
        return {c.charFormat().foreground().color(), c.charFormat().background().color()};
    }
};

} // namespace

class LocatorTextWindowTest : public QObject {
    Q_OBJECT

private slots:
    void textAndColoursOfTheMap()
    {
        Umgebung u;
        u.fenster.show();
        u.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&u.fenster));
        QCOMPARE(u.fenster.windowTitle(), u"Tarvex"_s);
        const QStringList z = u.zeilen();
        QCOMPARE(z.size(), 30);
        QVERIFY(z.first().startsWith(u"IP54 IP64 IP74 IP84 IP94 JP04 "_s));
        QVERIFY(z.last().endsWith(u"KM25 "_s));
        QCOMPARE(z[13].mid(35, 15), u"JO21    5 JO41 "_s);
        QCOMPARE(z[14].mid(35, 15), u"JO20    3 JO40 "_s);
        QCOMPARE(u.farben(13, 43).first, QColor(128, 0, 0));   // own square: dark red
        QCOMPARE(u.farben(14, 43).first, QColor(255, 255, 0)); // yellow
        QCOMPARE(u.farben(13, 35).first, QColor(0, 0, 0));     // names in black
    }

    void recomputedOnEveryActivation()
    {
        Umgebung u;
        u.fenster.show();
        QTRY_VERIFY(u.zeilen().size() == 30);
        u.kontakt(u"JO30"_s);
        u.kontakt(u"IO91"_s);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(&u.fenster, &aktiv);
        QCOMPARE(u.zeilen()[14].mid(40, 5), u"   4 "_s);
        QCOMPARE(u.zeilen()[13].mid(20, 5), u"   1 "_s); // IO91
    }

    void abbrechenCloses()
    {
        Umgebung u;
        u.fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        auto* knopf = u.fenster.findChild<QPushButton*>(u"cmdAbbrechen"_s);
        QCOMPARE(knopf->text(), u"Abbrechen"_s);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(!u.fenster.isVisible());
    }
};

QTEST_MAIN(LocatorTextWindowTest)
#include "LocatorTextWindowTest.moc"
