#include "stats/StatistikGrafikModel.h"
#include "support/ContestFixture.h"
#include "support/StatistikKontakte.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Reihe = StatistikGrafikModel::Reihe;

QList<qint64> nullen()
{
    return QList<qint64>(24, 0);
}

class StatistikGrafikModelTest : public test::ContestFixture {
protected:
    void kontakte(const QList<test::Kontakt>& liste)
    {
        test::schreibeKontakte(*model.db(), model.Band(), liste);
    }

    StatistikGrafikModel grafik { model, prompter };
};

TEST_F(StatistikGrafikModelTest, RowsStartAtFourteenUtcAndStartEmpty)
{
    const QStringList k = grafik.kategorien();
    ASSERT_EQ(k.size(), 24);
    EXPECT_EQ(k.first(), u" 14"_s);
    EXPECT_EQ(k[10], u" 0"_s);
    EXPECT_TRUE(grafik.werte().isEmpty());
}

TEST_F(StatistikGrafikModelTest, ContactsPerHourAndAccumulated)
{
    kontakte({ { u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s },
        { u"14:40"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s },
        { u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s } });
    grafik.QSOsNachZeit();
    QList<qint64> erwartet = nullen();
    erwartet[0] = 2;
    erwartet[1] = 1;
    EXPECT_EQ(grafik.werte(), erwartet);
    EXPECT_EQ(grafik.reihe(), Reihe::QSOsNachZeit);

    grafik.QSOsKumuliert();
    erwartet = QList<qint64>(24, 3);
    erwartet[0] = 2;
    EXPECT_EQ(grafik.werte(), erwartet);
    // Pressed again it starts from the hourly values, not from the sums on screen.
    grafik.QSOsKumuliert();
    EXPECT_EQ(grafik.werte(), erwartet);
    EXPECT_EQ(grafik.reihe(), Reihe::QSOsKumuliert);
}

TEST_F(StatistikGrafikModelTest, HoursFallIntoTheirRowsInvalidContactsNowherePointsSummed)
{
    kontakte({ { u"13:59"_s, u"SP1HH"_s, u"300"_s, u"JO72"_s, u"Polen"_s },
        { u"00:30"_s, u"ON4GG"_s, u"12345"_s, u"JO20"_s, u"Belgien"_s },
        { u"00:50"_s, u"ON5XX"_s, u"12000"_s, u"JO20"_s, u"Belgien"_s },
        { u"23:10"_s, u"G4FF"_s, u"-----"_s, {}, {} },
        { u"13:00"_s, u"DL1AA"_s, u"7"_s, u"JO31"_s, u"Deutschland"_s } });
    grafik.QSOsNachZeit();
    QList<qint64> anzahl = nullen();
    anzahl[23] = 2; // " 13", before or after the start alike
    anzahl[10] = 2; // " 0"
    EXPECT_EQ(grafik.werte(), anzahl);

    grafik.PunkteNachZeit();
    QList<qint64> punkte = nullen();
    punkte[23] = 307;
    punkte[10] = 24345; // five-digit points are not cut
    EXPECT_EQ(grafik.werte(), punkte);

    grafik.PunkteKumuliert();
    EXPECT_EQ(grafik.werte()[9], 0);
    EXPECT_EQ(grafik.werte()[10], 24345);
    EXPECT_EQ(grafik.werte()[23], 24652);
}

TEST_F(StatistikGrafikModelTest, BandWithoutValidContactsLeavesTheChartAsItWas)
{
    kontakte({ { u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s } });
    grafik.PunkteNachZeit();
    const QList<qint64> vorher = grafik.werte();
    model.bandWechseln(u"432MHz"_s);
    kontakte({ { u"14:05"_s, u"G4FF"_s, u"-----"_s, {}, {} } });
    int geändert = 0;
    QObject::connect(&grafik, &StatistikGrafikModel::changed, [&geändert] { ++geändert; });
    grafik.QSOsNachZeit();
    grafik.QSOsKumuliert();
    grafik.PunkteKumuliert();
    EXPECT_EQ(geändert, 0);
    EXPECT_EQ(grafik.werte(), vorher);
    EXPECT_EQ(grafik.reihe(), Reihe::PunkteNachZeit);
}

TEST_F(StatistikGrafikModelTest, TitleToolTipsAndFileName)
{
    kontakte({ { u"14:05"_s, u"DL1AA"_s, u"1"_s, u"JO31"_s, u"Deutschland"_s },
        { u"23:05"_s, u"DL2AA"_s, u"1"_s, u"JO31"_s, u"Deutschland"_s } });
    grafik.PunkteNachZeit();
    EXPECT_EQ(grafik.titel(), u"Punkte nach Zeit – 144 MHz"_s);
    EXPECT_EQ(grafik.wertText(1), u"14:00–15:00 UTC: 1 Punkt"_s);
    EXPECT_EQ(grafik.wertText(10), u"23:00–00:00 UTC: 1 Punkt"_s);
    EXPECT_EQ(grafik.wertText(11), u"00:00–01:00 UTC: 0 Punkte"_s);
    grafik.QSOsKumuliert();
    EXPECT_EQ(grafik.wertText(24), u"bis 14:00 UTC: 2 QSOs"_s);
    EXPECT_EQ(grafik.wertText(25), QString());
    EXPECT_EQ(grafik.dateiVorschlag(), dir.pfad(u"TEST_144MHz_QSOs_kumuliert.png"_s));
    EXPECT_EQ(StatistikGrafikModel::mitPngEndung(u"/tmp/a"_s), u"/tmp/a.png"_s);
    EXPECT_EQ(StatistikGrafikModel::mitPngEndung(u"/tmp/a.PNG"_s), u"/tmp/a.PNG"_s);
}

} // namespace
} // namespace tarvex
