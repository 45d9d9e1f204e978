#include "common/Val.h"

#include <QString>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(Val, LeadingNumberRule)
{
    const std::pair<QString, double> cases[] = {
        { u"-----"_s, 0 },
        { u" 12a"_s, 12 },
        { u"3.7"_s, 3.7 },
        { u""_s, 0 },
        { u"abc"_s, 0 },
        { u"523"_s, 523 },
        { u"1 2 3"_s, 123 },
        { u"-12"_s, -12 },
        { u"1.2.3"_s, 1.2 },
        { u".5"_s, 0.5 },
        { u"007"_s, 7 },
        { u"12\u00b35"_s, 12 }, // a non-ASCII character ends the number, in UTF-8 bytes too
        { u"\u00e4 5"_s, 0 },
    };
    for (const auto& [text, wert] : cases) {
        EXPECT_DOUBLE_EQ(Val(text), wert) << text.toStdString();
        EXPECT_DOUBLE_EQ(Val(QByteArrayView(text.toUtf8())), wert) << text.toStdString();
    }
}

TEST(Val, IntegerValueStaysWithinInt)
{
    const QString riesig(400, u'9');
    const std::pair<QString, int> cases[] = {
        { u"99999999999"_s, 2147483647 },
        { u"-99999999999"_s, -2147483647 },
        { riesig, 2147483647 },
        { u"-"_s + riesig, -2147483647 },
        { u"2147483647"_s, 2147483647 },
        { u"-7.9"_s, -7 },
    };
    for (const auto& [text, wert] : cases)
        EXPECT_EQ(ValInt(text), wert) << text.left(20).toStdString();
}

} // namespace
} // namespace tarvex
