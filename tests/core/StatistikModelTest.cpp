#include "stats/StatistikModel.h"
#include "support/ContestFixture.h"
#include "support/StatistikKontakte.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Option = StatistikModel::Option;

class StatistikModelTest : public test::ContestFixture {
protected:
    void SetUp() override
    {
        test::schreibeKontakte(*model.db(), u"144MHz"_s,
            {
                { u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s },
                { u"14:40"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s },
                { u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s },
                { u"15:20"_s, u"PA1DD"_s, u"250"_s, u"JO31"_s, u"Niederlande"_s },
                { u"16:00"_s, u"DK2EE"_s, u"100"_s, u"JO62"_s, u"Deutschland"_s },
                { u"17:00"_s, u"G4FF"_s, u"-----"_s, {}, {} },
                { u"00:30"_s, u"ON4GG"_s, u"12345"_s, u"JO20"_s, u"Belgien"_s },
                { u"13:59"_s, u"SP1HH"_s, u"300"_s, u"JO72"_s, u"Polen"_s },
                { u"18:00"_s, u"XX1XX"_s, u"50"_s, u""_s, u""_s },
            });
        statistik.laden();
    }

    QStringList zeilen() const
    {
        QStringList result;
        for (int r = 0; r < statistik.rowCount(); ++r)
            result.append(statistik.data(statistik.index(r, 0)).toString() + u'|'
                + statistik.data(statistik.index(r, 1)).toString());
        return result;
    }
    QString köpfe() const
    {
        return statistik.headerData(0, Qt::Horizontal).toString() + u'|'
            + statistik.headerData(1, Qt::Horizontal).toString();
    }

    StatistikModel statistik { model, prompter };
};

TEST_F(StatistikModelTest, OpeningListsEveryContactInvalidOnesLastLaterOnlyValidOnes)
{
    EXPECT_EQ(statistik.gewählt(), Option::Option3);
    EXPECT_EQ(köpfe(), u"Punkte|Rufzeichen"_s);
    const QStringList alle { u"12345|ON4GG"_s, u"800|OE1CC"_s, u"500|DL1AA"_s, u"300|F1BB"_s, u"300|SP1HH"_s,
        u"250|PA1DD"_s, u"100|DK2EE"_s, u"50|XX1XX"_s, u"-----|G4FF"_s };
    EXPECT_EQ(zeilen(), alle);

    statistik.wählen(Option::Option1);
    statistik.wählen(Option::Option3);
    EXPECT_EQ(zeilen(), alle.first(8));
}

TEST_F(StatistikModelTest, AggregatedViewsRankByNumberThenByNameInGermanOrder)
{
    const struct {
        Option option;
        QString köpfe;
        QStringList zeilen;
    } fälle[] = {
        { Option::Option1, u"Anzahl|Länder"_s,
            { u"2|Deutschland"_s, u"1|"_s, u"1|Belgien"_s, u"1|Frankreich"_s, u"1|Niederlande"_s,
                u"1|Österreich"_s, u"1|Polen"_s } },
        { Option::Option2, u"Anzahl|Großfeld"_s,
            { u"2|JO31"_s, u"1|"_s, u"1|JN18"_s, u"1|JN78"_s, u"1|JO20"_s, u"1|JO62"_s, u"1|JO72"_s } },
        { Option::Option4, u"Punkte|Großfeld"_s,
            { u"12345|JO20"_s, u"800|JN78"_s, u"750|JO31"_s, u"300|JN18"_s, u"300|JO72"_s, u"100|JO62"_s,
                u"50|"_s } },
        { Option::Option5, u"Länder|Punkte"_s,
            { u"Belgien|12345"_s, u"Österreich|800"_s, u"Deutschland|600"_s, u"Frankreich|300"_s,
                u"Polen|300"_s, u"Niederlande|250"_s, u"|50"_s } },
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(StatistikModel::beschriftung(fall.option).toStdString());
        statistik.wählen(fall.option);
        EXPECT_EQ(statistik.gewählt(), fall.option);
        EXPECT_EQ(köpfe(), fall.köpfe);
        EXPECT_EQ(zeilen(), fall.zeilen);
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

TEST_F(StatistikModelTest, CountriesGroupWithoutRegardToCase)
{
    test::schreibeKontakte(
        *model.db(), u"144MHz"_s, { { u"19:00"_s, u"DL9ZZ"_s, u"10"_s, u"jo31"_s, u"DEUTSCHLAND"_s } });
    statistik.wählen(Option::Option1);
    EXPECT_EQ(zeilen().first().section(u'|', 0, 0), u"3"_s);
    statistik.wählen(Option::Option2);
    EXPECT_EQ(zeilen().first(), u"3|JO31"_s);
}

TEST_F(StatistikModelTest, BandWithoutValidContactsLeavesTheGridAsItWas)
{
    model.bandWechseln(u"432MHz"_s);
    test::schreibeKontakte(*model.db(), u"432MHz"_s, { { u"14:00"_s, u"G4FF"_s, u"-----"_s, {}, {} } });
    statistik.laden();
    const QStringList vorher = zeilen();
    EXPECT_EQ(vorher, QStringList { u"-----|G4FF"_s });
    for (const Option option : { Option::Option1, Option::Option2, Option::Option4, Option::Option5 }) {
        statistik.wählen(option);
        EXPECT_EQ(zeilen(), vorher);
        EXPECT_EQ(köpfe(), u"Punkte|Rufzeichen"_s);
    }
    statistik.wählen(Option::Option3);
    EXPECT_EQ(statistik.rowCount(), 0);
    EXPECT_EQ(statistik.kopieren(), u"Punkte\tRufzeichen\t\r\n"_s);
}

TEST_F(StatistikModelTest, EnterCycleVisitsTheViewsTopToBottomAndWraps)
{
    QList<Option> besucht;
    Option option = Option::Option1;
    for (int i = 0; i < 5; ++i)
        besucht.append(option = StatistikModel::nächste(option));
    EXPECT_EQ(besucht,
        (QList<Option> {
            Option::Option2, Option::Option4, Option::Option5, Option::Option3, Option::Option1 }));
}

TEST_F(StatistikModelTest, HeadingClickSortsNumbersAsNumbersAndNamesAlphabeticallyThenBack)
{
    statistik.wählen(Option::Option5);
    const QStringList eigene = zeilen();
    EXPECT_EQ(statistik.headerData(1, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(), Qt::DescendingOrder);

    statistik.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(zeilen().first(3), (QStringList { u"|50"_s, u"Niederlande|250"_s, u"Frankreich|300"_s }));
    statistik.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(zeilen().first(3), (QStringList { u"Polen|300"_s, u"Österreich|800"_s, u"Niederlande|250"_s }));
    // The copy takes the grid as it is shown.
    EXPECT_TRUE(statistik.kopieren().startsWith(u"Länder\tPunkte\t\r\nPolen\t300\t\r\n"_s));
    statistik.sort(-1);
    EXPECT_EQ(zeilen(), eigene);
}

} // namespace
} // namespace tarvex
