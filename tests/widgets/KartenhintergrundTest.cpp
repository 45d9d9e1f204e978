#include "stats/Kartenhintergrund.h"

#include <QTest>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
const QRgb meer = qRgb(0, 0, 255);
const QRgb land = qRgb(160, 128, 0);
const QRgb squareLinie = qRgb(84, 84, 84);
const QRgb feldLinie = qRgb(168, 168, 168);

// 16 pixels per degree from 10° W and 65° N.
QPoint punkt(double lon, double lat)
{
    return { static_cast<int>((lon + 10) * 16), static_cast<int>((65 - lat) * 16) };
}
} // namespace

class KartenhintergrundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        bild_ = Kartenhintergrund::bild();
        QVERIFY2(!bild_.isNull(), "Ressource fehlt");
        QCOMPARE(bild_.size(), QSize(640, 480));
    }

    void gridLines()
    {
        // Square lines every 32 pixels across and 16 down, field lines over them.
        const auto feldX = [](int x) { return x == 160 || x == 480; };
        const auto feldY = [](int y) { return y == 80 || y == 240 || y == 400; };
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const bool aufX = x % 32 == 0, aufY = y % 16 == 0;
                const QRgb p = bild_.pixel(x, y);
                if (feldX(x) || feldY(y))
                    QCOMPARE(p, feldLinie);
                else if (aufX || aufY)
                    QCOMPARE(p, squareLinie);
                else
                    QVERIFY2(p != squareLinie && p != feldLinie, qPrintable(u"%1,%2"_s.arg(x).arg(y)));
            }
        }
    }

    void landAndSea_data()
    {
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("lat");
        QTest::addColumn<bool>("istLand");
        QTest::newRow("Nordsee") << 4.5 << 55.5 << false;
        QTest::newRow("Adria") << 15.5 << 42.8 << false;
        QTest::newRow("Kassel") << 9.5 << 51.3 << true;
        QTest::newRow("Korsika") << 9.1 << 42.15 << true;
        QTest::newRow("Irland") << -7.9 << 53.3 << true;
    }

    void landAndSea()
    {
        QFETCH(double, lon);
        QFETCH(double, lat);
        QFETCH(bool, istLand);
        const QPoint p = punkt(lon, lat);
        QCOMPARE(bild_.pixel(p), istLand ? land : meer);
    }

private:
    QImage bild_;
};

} // namespace tarvex

QTEST_GUILESS_MAIN(tarvex::KartenhintergrundTest)
#include "KartenhintergrundTest.moc"
