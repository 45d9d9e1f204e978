#include "store/Connection.h"
#include "store/LikePattern.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(LikePattern, OperatorWildcards)
{
    const struct {
        const char16_t* pattern;
        const char16_t* text;
        bool matches;
    } cases[] = {
        { u"DL1*", u"DL1ABC", true },
        { u"DL1*", u"dl1abc", true },
        { u"dl1*", u"DL1ABC", true }, // either case
        { u"DL1*", u"DL2ABC", false },
        { u"*ABC", u"DL1ABC", true },
        { u"*B*", u"DL1ABC", true },
        { u"D?1ABC", u"DL1ABC", true },
        { u"D?1ABC", u"D1ABC", false },
        { u"DL#ABC", u"DL1ABC", true },
        { u"DL#ABC", u"DLXABC", false },
        { u"JO3#*", u"JO31AB", true },
        { u"*", u"", true },
        { u"", u"", true },
        { u"", u"X", false },
        { u"D*L*1", u"DXXLYY1", true },
        { u"D*L*1", u"DXXLYY2", false },
        // % and _ are plain characters.
        { u"100%", u"100%", true },
        { u"100%", u"1000", false },
        { u"A_B", u"A_B", true },
        { u"A_B", u"AXB", false },
        { u"O'*", u"O'NEIL", true },
        { u"ÄÖ*", u"äöü", true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(likeMatches(c.pattern, c.text), c.matches)
            << QString::fromUtf16(c.pattern).toStdString() << " ~ "
            << QString::fromUtf16(c.text).toStdString();
}

class SqlFunctionsTest : public ::testing::Test {
protected:
    SqlFunctionsTest()
        : c(u":memory:"_s, Connection::Zugriff::Anlegen)
    {
    }
    QVariant eval(const QString& expr, const QVariantList& werte = {})
    {
        return c.scalar(u"SELECT "_s + expr, werte);
    }
    Connection c;
};

// The rules themselves are tested where they live (Val, likeMatches); here only
// that the statements reach them.
TEST_F(SqlFunctionsTest, ValHourAndLikeAreRegistered)
{
    EXPECT_EQ(eval(u"VAL('-----')"_s).toLongLong(), 0);
    EXPECT_DOUBLE_EQ(eval(u"Val(' 3.7a')"_s).toDouble(), 3.7);
    EXPECT_TRUE(eval(u"VAL(NULL)"_s).isNull());
    EXPECT_EQ(eval(u"hour('03:59')"_s).toInt(), 3);
    EXPECT_EQ(eval(u"HOUR('99999999999:00')"_s).toLongLong(), 2147483647);
    EXPECT_EQ(eval(u"'DL1ABC' LIKE 'dl#*'"_s).toInt(), 1);
    EXPECT_EQ(eval(u"'50%' LIKE ?"_s, { u"50%"_s }).toInt(), 1);
}

TEST_F(SqlFunctionsTest, SumOfValIsWholeWhenPointsAreWhole)
{
    c.exec(u"CREATE TABLE t(Punkte TEXT)"_s);
    for (const char16_t* p : { u"100", u"200", u"250", u"-----" })
        c.execute(u"INSERT INTO t VALUES(?)"_s, { QString::fromUtf16(p) });
    const Rows r
        = c.select(u"SELECT count(Punkte),Sum(val(Punkte)),Max(val(Punkte)) FROM t WHERE Punkte<>'-----'"_s);
    ASSERT_EQ(r.zeilen.size(), 1);
    const QVariantList& z = r.zeilen[0];
    EXPECT_EQ((QStringList { z[0].toString(), z[1].toString(), z[2].toString() }),
        (QStringList { u"3"_s, u"550"_s, u"250"_s }));
}

} // namespace
} // namespace tarvex
