#include "print/QtPrinterSurface.h"
#include "common/Clock.h"
#include "print/CupsDruckerwahl.h"
#include "support/PdfDatei.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QFontInfo>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;
namespace pdf = tarvex::test::pdf;

namespace {

struct FesteUhr final : Clock {
    QDateTime jetzt() const override { return QDateTime(QDate(2026, 12, 4), QTime(14, 5, 9)); }
};

const QString ersteDatei = u"Ausdruck_2026-12-04_14-05-09.pdf"_s;

// Bounding box, in mm from the paper's corner, of the dark pixels within a box in mm.
QRectF dunkel(const QImage& bild, QRectF suchbereichMm)
{
    const double k = 100 / 25.4;
    const QRect bereich = QRect(QPoint(int(suchbereichMm.left() * k), int(suchbereichMm.top() * k)),
        QPoint(int(suchbereichMm.right() * k), int(suchbereichMm.bottom() * k)))
                              .intersected(bild.rect());
    QRect box;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return QRectF(box.left() / k, box.top() / k, box.width() / k, box.height() / k);
}

// A scratch directory, the current one while it lives, with prompter and clock.
struct Umgebung {
    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    FesteUhr uhr;
    CupsDruckerwahl wahl;
};

} // namespace

class QtPrinterSurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (!CupsDruckerwahl().ziel().isEmpty())
            QSKIP("Ein Drucker ist eingerichtet; diese Tests gelten der PDF-Datei ohne Drucker.");
    }

    // A file of the name is left alone; each document is a file of its own, the
    // one still open when the program ends too, and the operator is told once
    // per document.
    void writesPdfFilesAndTellsOncePerDocument()
    {
        Umgebung u;
        test::schreibeDatei(u.dir.pfad(ersteDatei), "alt");
        {
            QtPrinterSurface s(u.prompter, u.uhr, u.wahl);
            s.drucke({ PrintItem::text(u"Seite eins"_s) });
            s.neueSeite();
            // 71 lines: 59 fit on the printable height of an A4 page, the rest overflow.
            for (int i = 0; i < 71; ++i)
                s.drucke({ PrintItem::wert(i) });
            QCOMPARE(u.prompter.gezeigt().size(), 1);
            s.dokumentEnde();
            s.drucke({ PrintItem::text(u"Journalzeile"_s) });
            s.drucke({ PrintItem::text(u"Journalzeile"_s) });
        }
        const QStringList dateien
            = { u"Ausdruck_2026-12-04_14-05-09_2.pdf"_s, u"Ausdruck_2026-12-04_14-05-09_3.pdf"_s };
        QCOMPARE(pdf::dateien(), QStringList({ ersteDatei }) + dateien);
        QCOMPARE(test::dateiInhalt(u.dir.pfad(ersteDatei)), QByteArray("alt"));
        QCOMPARE(pdf::seiten(dateien[0]).size(), 3);
        QCOMPARE(pdf::seiten(dateien[1]).size(), 1);
        QCOMPARE(u.prompter.gezeigt().size(), 2);
        for (int i = 0; i < 2; ++i) {
            const Meldung& m = u.prompter.gezeigt().at(i);
            QCOMPARE(m.titel, u"Hinweis"_s);
            QCOMPARE(m.text,
                u"Es ist kein Drucker eingerichtet. Der Ausdruck wird als PDF-Datei gespeichert:\n"_s
                    + QDir::toNativeSeparators(u.dir.pfad(dateien.at(i))));
        }
    }

    void courierNewIsFixedPitchAndTabsUseItsWidth()
    {
        Umgebung u;
        QtPrinterSurface s(u.prompter, u.uhr, u.wahl);
        s.setSchriftart(u"Courier new"_s);
        QVERIFY(QFontInfo(QtPrinterSurface::qtSchrift(s.schrift())).fixedPitch());
        for (const float größe : { 12.0f, 21.0f, 9.0f }) {
            s.setSchriftgröße(größe);
            s.drucke({ PrintItem::text(u"WWWWWiiiii"_s) }, PrinterSurface::Zeilenende::Offen);
            const double nachText = s.x();
            s.drucke();
            s.drucke({ PrintItem::tab(11) }, PrinterSurface::Zeilenende::Offen);
            QCOMPARE_LT(qAbs(s.x() - nachText), 0.01);
            // Courier New and its metric twins are 0.6 em wide.
            QCOMPARE_LT(qAbs(nachText - 10 * größe * 0.6 * 25.4 / 72), 0.05);
            s.drucke();
        }
    }

    // A4 has the printer's 5 mm edge; paper of a size of its own is label stock,
    // and without a printer the PDF page is the label, with no edge.
    void drawsWhereThePositionSays_data()
    {
        QTest::addColumn<QSizeF>("papier"); // mm; empty: A4
        QTest::addColumn<QRectF>("rechteck"); // as drawn
        QTest::addColumn<QRectF>("box"); // as found, in mm from the paper's corner
        QTest::newRow("A4") << QSizeF() << QRectF(20, 30, 40, 20) << QRectF(25, 35, 40, 20);
        QTest::newRow("Etikett") << QSizeF(210, 37) << QRectF(20, 10, 40, 20) << QRectF(20, 10, 40, 20);
        QTest::newRow("Endlosetikett") << QSizeF(210, 41.5) << QRectF(20, 2, 40, 20) << QRectF(20, 2, 40, 20);
    }

    void drawsWhereThePositionSays()
    {
        QFETCH(QSizeF, papier);
        QFETCH(QRectF, rechteck);
        QFETCH(QRectF, box);
        Umgebung u;
        {
            QtPrinterSurface s(u.prompter, u.uhr, u.wahl);
            if (!papier.isEmpty()) {
                s.setSeitenbreite(qRound(papier.width() * PrinterSurface::twipsProMillimeter));
                s.setSeitenhöhe(qRound(papier.height() * PrinterSurface::twipsProMillimeter));
            }
            s.linie(Punkt::abs(rechteck.left(), rechteck.top()),
                Punkt::abs(rechteck.right(), rechteck.bottom()), PrinterSurface::Linienart::Rechteck);
            s.dokumentEnde();
        }
        const QImage bild = pdf::bild(ersteDatei, 1);
        QVERIFY2(!bild.isNull(), "pdftoppm (poppler-utils) fehlt oder scheitert");
        const QSizeF seite = papier.isEmpty() ? QSizeF(210, 297) : papier;
        QCOMPARE_LT(qAbs(bild.width() / 100.0 * 25.4 - seite.width()), 1);
        QCOMPARE_LT(qAbs(bild.height() / 100.0 * 25.4 - seite.height()), 1);
        const QRectF gefunden = dunkel(bild, QRectF(0, 0, 100, seite.height()));
        for (const auto& [ist, soll] :
            { std::pair { gefunden.left(), box.left() }, std::pair { gefunden.top(), box.top() },
                std::pair { gefunden.right(), box.right() }, std::pair { gefunden.bottom(), box.bottom() } })
            QCOMPARE_LT(qAbs(ist - soll), 0.5);
    }

    // Continuous stock: every page is exactly one label and its gap, so a roll
    // does not drift; a page size in whole points would be 41.63 mm.
    void continuousLabelPagesKeepTheirExactHeight()
    {
        Umgebung u;
        const int breite = 11906, höhe = qRound((40 + 1.5) * PrinterSurface::twipsProMillimeter);
        QCOMPARE(höhe, 2353);
        {
            QtPrinterSurface s(u.prompter, u.uhr, u.wahl);
            s.drucke({ PrintItem::text(u"A4 davor"_s) });
            s.setSeitenbreite(breite);
            s.setSeitenhöhe(höhe);
            for (int i = 0; i < 100; ++i) {
                s.neueSeite();
                s.drucke({ PrintItem::wert(i) });
            }
            s.dokumentEnde();
        }
        const QList<QSizeF> seiten = pdf::seiten(ersteDatei);
        QCOMPARE(seiten.size(), 101);
        QCOMPARE_LT(qAbs(seiten[0].height() - 297), 0.1);
        double rolle = 0;
        for (qsizetype i = 1; i < seiten.size(); ++i) {
            QCOMPARE_LT(qAbs(seiten[i].height() - höhe / PrinterSurface::twipsProMillimeter), 0.005);
            QCOMPARE_LT(qAbs(seiten[i].width() - breite / PrinterSurface::twipsProMillimeter), 0.005);
            rolle += seiten[i].height();
        }
        QCOMPARE_LT(qAbs(rolle - 100 * höhe / PrinterSurface::twipsProMillimeter), 0.05);
        QCOMPARE(pdf::wörter(ersteDatei, 101), QStringList { u"99"_s });
    }
};

QTEST_MAIN(QtPrinterSurfaceTest)
#include "QtPrinterSurfaceTest.moc"
