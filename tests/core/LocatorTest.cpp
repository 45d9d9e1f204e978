#include "entry/Locator.h"

#include "support/QtPrinters.h"
#include <QString>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(Locator, PositionIsSouthWestCornerOfSubsquare)
{
    EXPECT_DOUBLE_EQ(Laenge(u"JO31AA"_s), 6.0);
    EXPECT_DOUBLE_EQ(Breite(u"JO31AA"_s), 51.0);
    EXPECT_DOUBLE_EQ(Laenge(u"jo31bb"_s), 6.0 + 1.0 / 12);
    EXPECT_DOUBLE_EQ(Breite(u"jo31bb"_s), 51.0 + 1.0 / 24);
    EXPECT_DOUBLE_EQ(Laenge(u"AA00AA"_s), -180.0);
    EXPECT_DOUBLE_EQ(Breite(u"AA00AA"_s), -90.0);
}

TEST(Locator, DistanceAndBearingFromJO31AA)
{
    const struct {
        const char16_t* other;
        int km;
        int winkel;
    } cases[] = {
        { u"JO31AA", 1, 0 }, // same position: 0 km counts as 1
        { u"JO31BA", 6, 90 }, // 5.83 km east
        { u"JO31AB", 5, 0 }, // 4.63 km north
        { u"JO31AC", 9, 0 }, // 9.26 km: kilometres round half up
        { u"JO31AD", 14, 0 }, // 13.89 km
        { u"JO30AA", 111, 180 },
        { u"JO21AA", 140, 271 },
        { u"JO41AA", 140, 89 },
        { u"IO91AA", 559, 273 },
        { u"KN00AA", 1633, 133 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.other).toStdString());
        const Strecke s = Abstand(u"JO31AA"_s, QString::fromUtf16(c.other));
        EXPECT_EQ(s.km, c.km);
        EXPECT_EQ(s.winkel, c.winkel);
    }
}

TEST(Locator, AlmostDueNorthSlightlyWestGives360)
{
    // One subsquare west, far north: the angle west of north is below half a degree.
    const Strecke s = Abstand(u"JO31BA"_s, u"JP31AA"_s);
    EXPECT_EQ(s.winkel, 360);
    EXPECT_EQ(pfeilIndex(QString::number(s.winkel)), 8);
    EXPECT_EQ(pfeil(u"360"_s), pfeil(u"0"_s));
}

TEST(Locator, CheckLimitsOnlyTheUpperLettersOfFieldsAndSubsquare)
{
    const std::pair<QString, bool> cases[] = {
        { u"JO31AB"_s, true }, { u"JO31AX"_s, true }, { u"RR99XX"_s, true }, { u"SA00AA"_s, false },
        { u"JS31AA"_s, false }, { u"JO31YA"_s, false }, { u"JO31AY"_s, false },
        { u"JO31"_s, true }, // length is not checked here
        { u"JOZZAA"_s, true }, // nor the digits
    };
    for (const auto& [locator, gültig] : cases)
        EXPECT_EQ(locatorGültig(locator), gültig) << locator.toStdString();
}

TEST(Locator, ArrowIndexPerBearingSector)
{
    const std::pair<QString, int> cases[] = {
        { u""_s, -1 },
        { u"0"_s, 0 },
        { u"22"_s, 0 },
        { u"23"_s, 1 },
        { u"67"_s, 1 },
        { u"68"_s, 2 },
        { u"112"_s, 2 },
        { u"113"_s, 3 },
        { u"158"_s, 4 },
        { u"203"_s, 5 },
        { u"248"_s, 6 },
        { u"293"_s, 7 },
        { u"337"_s, 7 },
        { u"338"_s, 8 },
        { u"360"_s, 8 },
        { u"99999999999"_s, 8 },
        { u"-99999999999"_s, 0 },
    };
    for (const auto& [winkel, index] : cases)
        EXPECT_EQ(pfeilIndex(winkel), index) << winkel.toStdString();
    EXPECT_TRUE(pfeil(u""_s).isEmpty());
    EXPECT_EQ(pfeil(u"90"_s), u"\u2192"_s);
}

} // namespace
} // namespace tarvex
