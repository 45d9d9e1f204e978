// The graphic map over a real contest: buttons and keys reach the model, and
// the drawing lands on the picture where it belongs (checked at known pixels).
#include "app/Befehl.h"
#include "app/Kartensteuerung.h"
#include "app/MainWindow.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "stats/KarteModel.h"
#include "stats/KarteWindow.h"
#include "stats/KartenAnsicht.h"
#include "stats/KartenZeichner.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct Umgebung : test::Arbeitsplatz {
    ContestModel model{prompter, clock, keystrokes, lookup, settings};
    KarteModel karte{model, prompter};
    KarteWindow fenster{karte, prompter};

    // Own station DL0XX in JO31AA; five valid contacts in JO31, three in
    // JO30 and an invalid one in IO91 (due west, on the own point's row).
    Umgebung()
    {
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        model.setEigeneStation(u"DL0XX"_s, u"JO31AA"_s);
        model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        int n = 0;
        const auto kontakt = [&](const QString& locator, bool gültig) {
            QsoRecord q;
            q.nummer = ++n;
            q.rufzeichen = u"DL%1X"_s.arg(n);
            q.locator = locator;
            q.punkte = gültig ? u"50"_s : u"-----"_s;
            q.square = gültig ? locator.left(4) : u" "_s;
            q.land = u" "_s;
            model.db()->qsoSpeichern(u"144MHz"_s, q, q.rufzeichen);
        };
        for (int i = 0; i < 5; ++i)
            kontakt(u"JO31MM"_s, true);
        for (int i = 0; i < 3; ++i)
            kontakt(u"JO30MM"_s, true);
        kontakt(u"IO91AA"_s, false);
        model.Punkte();
        fenster.show();
    }

    QImage bild() { return fenster.ansicht()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void klick(const char16_t* knopf) { QTest::mouseClick(fenster.knopf(QString::fromUtf16(knopf)), Qt::LeftButton); }
};

// Is there a pixel of the colour in the box (device pixels)?
bool hatFarbe(const QImage& bild, QRect box, QColor farbe, int toleranz = 0)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            if (qAbs(p.red() - farbe.red()) <= toleranz && qAbs(p.green() - farbe.green()) <= toleranz
                && qAbs(p.blue() - farbe.blue()) <= toleranz)
                return true;
        }
    }
    return false;
}

const QColor gelb(255, 255, 0), weiß(255, 255, 255), magenta(128, 0, 128), hellcyan(0, 255, 255);

// Where the last character of a square's count is drawn: column 8 (JO),
// rows 13 (JO31) and 14 (JO30) below the top; four characters of the map font
// from x = 8 × 486 − 120 twips.
QRect zifferBox(int zeile)
{
    const qreal x = (8 * 486 - 120) / 15.0 + 3 * QFontMetricsF(KartenZeichner::schrift()).horizontalAdvance(u'0');
    return QRect(int(x), zeile * 16, 8, 13);
}

} // namespace

class KarteWindowTest : public QObject {
    Q_OBJECT

private slots:
    void squareCountsInTheirColours()
    {
        Umgebung u;
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        QImage vorher = u.bild();
        QVERIFY(!hatFarbe(vorher, zifferBox(13), gelb, 60));
        QVERIFY(!hatFarbe(vorher, zifferBox(14), weiß, 60));

        // Enter presses the default button "&Großfelder".
        QTest::keyClick(&u.fenster, Qt::Key_Return);
        const QImage b = u.bild();
        QVERIFY(hatFarbe(b, zifferBox(13), gelb, 60));   // own square: 5 in yellow
        QVERIFY(!hatFarbe(b, zifferBox(13), weiß, 60));
        QVERIFY(hatFarbe(b, zifferBox(14), weiß, 60));   // JO30: 3 in white
        QVERIFY(!hatFarbe(b, zifferBox(14), gelb, 60));
        QVERIFY(!hatFarbe(b, zifferBox(12), weiß, 60));  // JO32: unworked
        QVERIFY(u.prompter.gezeigt().isEmpty());
    }

    void qthViewAndContactLinesAtTheirEndPoints()
    {
        Umgebung u;
        EntryFields& f = u.model.entry().felder();
        f.txtCall = u"DK2XY"_s;
        f.txtLocator = u"JO62QM"_s;
        u.klick(u"Command1");
        QImage b = u.bild();
        // Own point (3848, 3360) twips = (256.5, 224) px; partner (5612, 3000) = (374.1, 200).
        QVERIFY(hatFarbe(b, QRect(254, 222, 5, 5), gelb));
        QVERIFY(hatFarbe(b, QRect(372, 198, 5, 5), gelb));
        QVERIFY(hatFarbe(b, QRect(374, 200, 30, 12), hellcyan, 60)); // partner's call
        QVERIFY(hatFarbe(b, QRect(314, 211, 3, 3), weiß));            // middle of the line

        u.klick(u"Command2");
        b = u.bild();
        QVERIFY(!hatFarbe(b, QRect(372, 198, 5, 5), gelb)); // the button cleared the QTH view
        QVERIFY(hatFarbe(b, QRect(150, 223, 1, 3), weiß));   // line to the invalid IO91AA (128.3, 224)
        QVERIFY(hatFarbe(b, QRect(127, 223, 3, 3), weiß));
        // JO30MM: (4088, 3480) twips = (272.5, 232) px; the line ends there.
        QVERIFY(hatFarbe(b, QRect(271, 231, 3, 3), weiß));
        QVERIFY(!hatFarbe(b, QRect(276, 235, 3, 3), weiß));
        QVERIFY(hatFarbe(b, QRect(254, 222, 5, 5), magenta)); // circle over the lines

        // The menu's view draws over the lines without clearing them.
        u.karte.KarteZeigen();
        b = u.bild();
        QVERIFY(hatFarbe(b, QRect(150, 223, 1, 3), weiß));
        QVERIFY(hatFarbe(b, QRect(314, 211, 3, 3), weiß));
    }

    void drawingSurvivesHidingAndIsSharpAtTwiceTheScale()
    {
        Umgebung u;
        u.klick(u"Command3");
        const QImage vorher = u.bild();
        u.fenster.hide();
        u.fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        QCOMPARE(u.bild(), vorher);

        const QImage doppelt = KartenZeichner::bild(u.karte.zeichnung(), 2.0).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(doppelt.size(), QSize(1280, 960));
        // The square line at x = 32 px covers exactly two device pixels.
        const QColor linie(84, 84, 84);
        QCOMPARE(doppelt.pixelColor(64, 9), linie);
        QCOMPARE(doppelt.pixelColor(65, 9), linie);
        QVERIFY(doppelt.pixelColor(63, 9) != linie);
        QVERIFY(doppelt.pixelColor(66, 9) != linie);
        const QRect box = zifferBox(13);
        QVERIFY(hatFarbe(doppelt, QRect(box.topLeft() * 2, box.size() * 2), gelb, 20));
    }

    void escapeAndMenuGoBack()
    {
        Umgebung u;
        QSignalSpy zurück(&u.karte, &KarteModel::backRequested);
        QTest::keyClick(&u.fenster, Qt::Key_Escape);
        QCOMPARE(zurück.count(), 1);
        u.fenster.findChild<QAction*>(u"mnuZurück"_s)->trigger();
        QCOMPARE(zurück.count(), 2);
    }

    void hoverShowsSquareAndCount()
    {
        Umgebung u;
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        KartenAnsicht* a = u.fenster.ansicht();
        const QPoint jo31(8 * 32 + 10, 13 * 16 + 8);
        QHelpEvent hilfe(QEvent::ToolTip, jo31, a->mapToGlobal(jo31));
        QApplication::sendEvent(a, &hilfe);
        QTRY_COMPARE(QToolTip::text(), u"JO31 (eigenes Großfeld): 5 QSOs"_s);
    }

    void savesThePictureAsPngAndReportsFailure()
    {
        Umgebung u;
        u.klick(u"Command3");
        const QString pfad = u.dir.pfad(u"karte.png"_s);
        QVERIFY(u.fenster.speichern(pfad));
        QImage gespeichert(pfad);
        QCOMPARE(gespeichert.size() / gespeichert.devicePixelRatio(), QSize(640, 480));
        QVERIFY(hatFarbe(gespeichert.convertToFormat(QImage::Format_RGB32), zifferBox(13), gelb, 60));

        QVERIFY(!u.fenster.speichern(u.dir.pfad(u"fehlt/karte.png"_s)));
        QCOMPARE(u.prompter.gezeigt().size(), 1);
        QCOMPARE(u.prompter.gezeigt()[0].titel, u"Fehler"_s);
        QVERIFY(u.prompter.gezeigt()[0].text.startsWith(u"Die Karte konnte nicht in "_s));
    }

    void commandsOpenTheMapWindows()
    {
        Umgebung u;
        u.fenster.hide();
        MainWindow rahmen(u.model, u.prompter);
        new Kartensteuerung(rahmen, u.model, u.contestDat, u.prompter);
        rahmen.show();
        auto* stapel = qobject_cast<QStackedWidget*>(rahmen.centralWidget());
        const auto aktuell = [&] { return stapel->currentWidget()->objectName(); };

        QAction& karte = rahmen.befehle()[Befehl::Karte];
        QVERIFY(karte.isEnabled());
        karte.trigger();
        QCOMPARE(aktuell(), u"frmKarte"_s);
        QVERIFY(!rahmen.menuBar()->isVisible()); // the map's own menu instead
        auto* kartenModel = stapel->currentWidget()->findChild<KarteModel*>();
        QCOMPARE(kartenModel->zeichnung().elemente().size(), 2); // own circle and call
        rahmen.befehle()[Befehl::QSOKarte].trigger();             // draws over it
        QCOMPARE(kartenModel->zeichnung().elemente().size(), 2 + 9 + 1);

        // "&zurück" unloads the map: the next view starts on an empty picture.
        QTest::keyClick(stapel->currentWidget(), Qt::Key_Escape);
        QCOMPARE(stapel->currentWidget(), rahmen.contestWindow());
        QVERIFY(rahmen.menuBar()->isVisible());
        QTRY_COMPARE(stapel->count(), 1);
        rahmen.befehle()[Befehl::KarteGrafik].trigger();
        QCOMPARE(aktuell(), u"frmKarte"_s);
        kartenModel = stapel->currentWidget()->findChild<KarteModel*>();
        QCOMPARE(kartenModel->zeichnung().elemente().size(), 2); // the two counts

        rahmen.befehle()[Befehl::KarteText].trigger();
        QTRY_VERIFY(rahmen.findChild<QWidget*>(u"frmLocatorText"_s));
        QVERIFY(rahmen.findChild<QWidget*>(u"frmLocatorText"_s)->isVisible());
        rahmen.befehle()[Befehl::Locatorsuche].trigger();
        QWidget* suche = rahmen.findChild<QWidget*>(u"frmLocatorsuche"_s);
        QVERIFY(suche && suche->isVisible() && !suche->isModal());
        QVERIFY(u.prompter.gezeigt().isEmpty());
    }
};

QTEST_MAIN(KarteWindowTest)
#include "KarteWindowTest.moc"
