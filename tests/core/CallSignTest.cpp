#include "entry/CallSign.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(CallSign, Kern2DropsPortablePrefixAndLetterSuffix)
{
    const std::pair<QString, QString> cases[] = {
        { u"DL1ABC"_s, u"DL1ABC"_s }, { u"DL1ABC/P"_s, u"DL1ABC"_s }, { u"OE/DL1ABC"_s, u"DL1ABC"_s },
        { u"OE5/DL1ABC/MM"_s, u"DL1ABC"_s }, { u"G4ABC/P"_s, u"G4ABC"_s }, { u""_s, u""_s },
        { u"DL1ABC/3"_s, u"DL1ABC/3"_s }, // a digit suffix 1..9 stays
        { u"DL1ABC/0"_s, u"DL1ABC"_s }, // 0 counts like a letter
        { u"HB0/DL1ABC"_s, u"DL1ABC"_s }, // slash at 4 with at least 9 characters
        { u"HB0/DL1A"_s, u"HB0"_s }, // slash at 4 in a short call reads as a suffix
        { u"DL/P"_s, u"P"_s }, // the slash at 3 is a prefix part
    };
    for (const auto& [call, kern] : cases)
        EXPECT_EQ(Kern2(call), kern) << call.toStdString();
}

TEST(CallSign, KernCallSplitsPartsAndKeepsWhatItDoesNotSplit)
{
    CallParts parts { QStringLiteral("OE/"), QString(), QStringLiteral("/P") };
    // No slash: the prefix part is emptied (p = 0 < 4), the suffix keeps its value.
    EXPECT_EQ(KernCall(QStringLiteral("DL1ABC"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.präfix, QString());
    EXPECT_EQ(parts.suffix, QStringLiteral("/P"));

    parts = { QStringLiteral("OE/"), QString(), QString() };
    EXPECT_EQ(KernCall(QStringLiteral("DL1ABC/MM"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.präfix, QStringLiteral("OE/")); // slash at 7: no prefix split
    EXPECT_EQ(parts.suffix, QStringLiteral("/MM"));

    parts = {};
    EXPECT_EQ(KernCall(QStringLiteral("OE5/DL1ABC/P"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.zusammen(), QStringLiteral("OE5/DL1ABC/P"));
}

} // namespace
} // namespace tarvex
