#include "common/Val.h"

#include <QString>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(Val, LeadingNumberRule)
{
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {
        {u"-----", 0}, {u" 12a", 12}, {u"3.7", 3.7}, {u"", 0}, {u"abc", 0}, {u"523", 523},
        {u"1 2 3", 123}, {u"-12", -12}, {u"1.2.3", 1.2}, {u".5", 0.5}, {u"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(Val, IntegerValueStaysWithinInt)
{
    const QString riesig(400, u'9');
    const struct {
        QString text;
        int expected;
    } cases[] = {
        {u"99999999999"_s, 2147483647}, {u"-99999999999"_s, -2147483647}, {riesig, 2147483647},
        {u"-"_s + riesig, -2147483647},  {u"2147483647"_s, 2147483647},   {u"-7.9"_s, -7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValInt(c.text), c.expected) << c.text.left(20).toStdString();
}

} // namespace
} // namespace tarvex
