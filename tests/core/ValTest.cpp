#include "common/Val.h"

#include <QString>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

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

} // namespace
} // namespace tarvex
