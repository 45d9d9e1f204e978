// The graphic map over a real contest: buttons and keys reach the model, and
// the drawing lands on the picture where it belongs (checked at known pixels).
#include "stats/KarteWindow.h"
#include "stats/KarteModel.h"
#include "stats/KartenAnsicht.h"
#include "stats/KartenZeichner.h"
#include "stats/Kartenbildspeicher.h"
#include "stats/Kartenpunkt.h"
#include "support/StatistikUmgebung.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>
#include <random>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

qint64 andersPixel(const QImage& a, const QImage& b)
{
    qint64 anders = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            anders += a.pixel(x, y) != b.pixel(x, y);
    }
    return anders;
}

// Own station DL0XX in JO31AA; five contacts in JO31, three in JO30 and one in
// JO62, each at its square's south-west corner.
struct Umgebung : test::StatistikUmgebung {
    Umgebung()
        : StatistikUmgebung(kontakte())
    {
        model.Punkte();
        fenster.show();
    }
    static QList<test::Kontakt> kontakte()
    {
        QList<test::Kontakt> k;
        for (const auto& [square, anzahl] :
            { std::pair { u"JO31"_s, 5 }, std::pair { u"JO30"_s, 3 }, std::pair { u"JO62"_s, 1 } })
            k += QList<test::Kontakt>(anzahl, { u"14:05"_s, u"DL1X"_s, u"50"_s, square, u"Deutschland"_s });
        return k;
    }

    KarteModel karte { model, prompter };
    Kartenbildspeicher bilder;
    KarteWindow fenster { karte, prompter, bilder };

    QImage bild() { return fenster.ansicht()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void klick(const char16_t* knopf)
    {
        QTest::mouseClick(fenster.knopf(QString::fromUtf16(knopf)), Qt::LeftButton);
    }
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

const QColor gelb(255, 255, 0), weiß(255, 255, 255), magenta(128, 0, 128);

// Where the last character of a square's count is drawn: column 8 (JO),
// rows 13 (JO31) and 14 (JO30) below the top; four characters of the map font
// from x = 8 × 486 − 120 twips.
QRect zifferBox(int zeile)
{
    const qreal x
        = (8 * 486 - 120) / 15.0 + 3 * QFontMetricsF(KartenZeichner::schrift()).horizontalAdvance(u'0');
    return QRect(int(x), zeile * 16, 8, 13);
}

} // namespace

class KarteWindowTest : public QObject {
    Q_OBJECT

private slots:
    void enterShowsTheCountsInTheirSquaresAndColours()
    {
        Umgebung u;
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        QVERIFY(!hatFarbe(u.bild(), zifferBox(13), gelb, 60));

        // Enter presses the default button "&Großfelder".
        QTest::keyClick(&u.fenster, Qt::Key_Return);
        const QImage b = u.bild();
        QVERIFY(hatFarbe(b, zifferBox(13), gelb, 60)); // own square: 5 in yellow
        QVERIFY(hatFarbe(b, zifferBox(14), weiß, 60)); // JO30: 3 in white
        QVERIFY(!hatFarbe(b, zifferBox(12), weiß, 60)); // JO32: unworked
        QVERIFY(u.prompter.gezeigt().isEmpty());
    }

    void contactLinesEndAtTheContactsAndTheDrawingSurvivesHiding()
    {
        Umgebung u;
        u.model.entry().felder().txtLocator = u"JO62QM"_s;
        u.klick(u"Command1");
        QCOMPARE(u.karte.zeichnung().elemente().size(), 5); // own point, partner and the line
        u.klick(u"Command2");
        const QImage b = u.bild();
        // The line to JO62AA ends there; the own point's circle is drawn over the lines.
        const QPointF eigen = QPointF(*kartenpunkt(u"JO31AA"_s)) / 15;
        const QPointF ende = QPointF(*kartenpunkt(u"JO62AA"_s)) / 15;
        const QPointF schritt = (ende - eigen) / QLineF(eigen, ende).length();
        const auto um
            = [](QPointF p, int r) { return QRect(p.toPoint() - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)); };
        QVERIFY(hatFarbe(b, um(ende - 4 * schritt, 1), weiß));
        QVERIFY(!hatFarbe(b, um(ende + 4 * schritt, 1), weiß));
        QVERIFY(hatFarbe(b, um(eigen, 2), magenta));

        u.fenster.hide();
        u.fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&u.fenster));
        QCOMPARE(u.bild(), b);
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

    // A long contest's fan of contact lines looks as if every line were drawn;
    // a short one is drawn line by line, to the pixel.
    void aFanOfManyLinesLooksAsIfEveryLineWereDrawn()
    {
        const QPoint eigen = *kartenpunkt(u"JO31AA"_s);
        std::mt19937 zufall(11);
        for (const auto& [anzahl, höchstensAnders] : { std::pair { 300, 0.0 }, std::pair { 20000, 0.001 } }) {
            Kartenzeichnung z;
            for (int i = 0; i < anzahl; ++i)
                z.linie(eigen, QPoint(int(zufall() % 9600), int(zufall() % 7200)), 15);
            const QImage ausgedünnt = KartenZeichner::bild(z);
            QImage jede = KartenZeichner::bild(Kartenzeichnung());
            {
                QPainter p(&jede);
                p.setClipRect(QRectF(0, 0, 640, 480));
                p.setPen(QPen(KartenZeichner::farbe(15), 1.0));
                for (const Kartenzeichnung::Element& e : z.elemente())
                    p.drawLine(QPointF(e.a) / 15, QPointF(e.b) / 15);
            }
            const qint64 anders = andersPixel(jede, ausgedünnt);
            QVERIFY2(anders <= höchstensAnders * jede.width() * jede.height(),
                qPrintable(u"%1 Linien: %2 Pixel anders"_s.arg(anzahl).arg(anders)));
        }
    }

    // Reopening the map paints on from the kept fan when the contacts before its end are the
    // same; any other drawing is painted whole.
    void aKeptFanIsPaintedOnOnlyForTheSameContacts()
    {
        const QPoint eigen = *kartenpunkt(u"JO31AA"_s);
        std::mt19937 zufall(5);
        QList<QPoint> ziele;
        for (int i = 0; i < 3000; ++i)
            ziele.append(QPoint(int(zufall() % 9600), int(zufall() % 7200)));
        const auto zeichnung = [&](const QList<QPoint>& z) {
            Kartenzeichnung k;
            for (const QPoint p : z)
                k.linie(eigen, p, 15);
            k.kreis(eigen, 60, 14);
            k.text(eigen, u"DL0XX"_s, 11);
            return k;
        };
        QList<QPoint> mehr = ziele;
        mehr += { QPoint(9000, 100), QPoint(100, 7000) };
        QList<QPoint> verschoben = mehr;
        verschoben[10] = QPoint(9500, 7100);
        struct Fall {
            const char* name;
            QList<QPoint> ziele;
            qint64 höchstensAnders; // the new lines are thinned apart from the kept ones
        };
        Kartenbildspeicher bilder;
        for (const Fall& f : { Fall { "first", ziele, 0 }, Fall { "again", ziele, 0 },
                 Fall { "two more", mehr, 307 }, Fall { "one moved", verschoben, 0 } }) {
            const Kartenzeichnung z = zeichnung(f.ziele);
            const qint64 anders = andersPixel(bilder.bild(z, 1.0), KartenZeichner::bild(z));
            QVERIFY2(anders <= f.höchstensAnders,
                qPrintable(u"%1: %2 Pixel anders"_s.arg(QLatin1StringView(f.name)).arg(anders)));
        }
    }

    void savesThePictureAsPngAndReportsFailure()
    {
        Umgebung u;
        u.klick(u"Command3");
        const QString pfad = u.dir.pfad(u"karte.png"_s);
        QVERIFY(u.fenster.speichern(pfad));
        QImage gespeichert(pfad);
        QCOMPARE(gespeichert.size() / gespeichert.devicePixelRatio(), QSize(640, 480));

        QVERIFY(!u.fenster.speichern(u.dir.pfad(u"fehlt/karte.png"_s)));
        QCOMPARE(u.prompter.gezeigt().size(), 1);
        QVERIFY(u.prompter.gezeigt()[0].text.startsWith(u"Die Karte konnte nicht in "_s));
    }
};

QTEST_MAIN(KarteWindowTest)
#include "KarteWindowTest.moc"
