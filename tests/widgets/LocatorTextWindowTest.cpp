// The text map: read as text, with the counts' colours, recomputed whenever
// the window becomes active.
#include "stats/LocatorTextModel.h"
#include "stats/LocatorTextWindow.h"
#include "support/StatistikUmgebung.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

// Own square JO31 with five contacts, JO30 with three.
struct Umgebung : test::StatistikUmgebung {
    Umgebung()
        : StatistikUmgebung({})
    {
        kontakte(u"JO31"_s, 5);
        kontakte(u"JO30"_s, 3);
    }

    void kontakte(const QString& square, int anzahl)
    {
        const test::Kontakt k{u"14:05"_s, u"DL1X"_s, u"50"_s, square, u"Deutschland"_s};
        test::schreibeKontakte(*model.db(), u"144MHz"_s, QList<test::Kontakt>(anzahl, k));
    }
    LocatorTextModel karte{model, prompter};
    LocatorTextWindow fenster{karte};
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
    void textAndColoursOfTheMapRecomputedOnActivation()
    {
        Umgebung u;
        u.fenster.show();
        u.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&u.fenster));
        const QStringList z = u.zeilen();
        QCOMPARE(z.size(), 30);
        QCOMPARE(z[13].mid(35, 15), u"JO21    5 JO41 "_s);
        QCOMPARE(z[14].mid(35, 15), u"JO20    3 JO40 "_s);
        QCOMPARE(u.farben(13, 43).first, QColor(128, 0, 0));   // own square: dark red
        QCOMPARE(u.farben(14, 43).first, QColor(255, 255, 0)); // yellow
        QCOMPARE(u.farben(13, 35).first, QColor(0, 0, 0));     // names in black

        // Every activation counts again.
        u.kontakte(u"JO30"_s, 1);
        u.kontakte(u"IO91"_s, 1);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(&u.fenster, &aktiv);
        QCOMPARE(u.zeilen()[14].mid(40, 5), u"   4 "_s);
        QCOMPARE(u.zeilen()[13].mid(20, 5), u"   1 "_s); // IO91
    }
};

QTEST_MAIN(LocatorTextWindowTest)
#include "LocatorTextWindowTest.moc"
