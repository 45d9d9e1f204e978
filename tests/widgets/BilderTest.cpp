#include "app/Bilder.h"

#include <QSet>
#include <QtTest>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Share of pixels that are neither transparent nor the most common colour:
// a blank or single-colour picture has none.
double gezeichnet(const QImage& bild)
{
    QHash<QRgb, int> farben;
    int deckend = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            if (qAlpha(p) > 0) {
                ++farben[p];
                ++deckend;
            }
        }
    }
    int häufigste = 0;
    for (const int n : std::as_const(farben))
        häufigste = std::max(häufigste, n);
    return double(deckend - häufigste) / (bild.width() * bild.height());
}

} // namespace

class BilderTest : public QObject {
    Q_OBJECT

private slots:
    void everyIconRendersAndDiffers()
    {
        QSet<QByteArray> schon;
        QCOMPARE(toolbarSchlüssel().size(), 12);
        for (const QString& key : toolbarSchlüssel()) {
            const QIcon icon = toolbarIcon(key);
            QVERIFY2(!icon.isNull(), qPrintable(key));
            for (const int seite : { 16, 24, 32, 48 }) {
                const QImage bild
                    = icon.pixmap(seite, seite).toImage().convertToFormat(QImage::Format_ARGB32);
                QCOMPARE(bild.size(), QSize(seite, seite));
                // Drawn, with more than one colour, and not filling the whole square.
                QVERIFY2(gezeichnet(bild) > 0.05, qPrintable(key));
                QVERIFY2(qAlpha(bild.pixel(0, 0)) < 255 || qAlpha(bild.pixel(seite - 1, seite - 1)) < 255,
                    qPrintable(key));
            }
            const QImage klein = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
            const QByteArray pixel(reinterpret_cast<const char*>(klein.constBits()), klein.sizeInBytes());
            QVERIFY2(!schon.contains(pixel), qPrintable(key + u" gleicht einem anderen Symbol"_s));
            schon.insert(pixel);
        }
    }

    void startPicture()
    {
        const QPixmap bild = startbild();
        QVERIFY(!bild.isNull());
        QCOMPARE(bild.deviceIndependentSize().toSize(), QSize(480, 300));
        const QImage b = bild.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(b.pixel(0, 0)), 255); // opaque background, no hole at the corner
        QVERIFY(gezeichnet(b) > 0.2);
    }
};

} // namespace tarvex

QTEST_MAIN(tarvex::BilderTest)
#include "BilderTest.moc"
