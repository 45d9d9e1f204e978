#include "entry/CallSign.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(CallSign, Kern2DropsPortablePrefixAndLetterSuffix)
{
    const struct {
        const char16_t* call;
        const char16_t* kern;
    } cases[] = {
        {u"DL1ABC", u"DL1ABC"},
        {u"DL1ABC/P", u"DL1ABC"},
        {u"OE/DL1ABC", u"DL1ABC"},
        {u"OE5/DL1ABC/MM", u"DL1ABC"},
        {u"DL1ABC/3", u"DL1ABC/3"},   // a digit suffix 1..9 stays
        {u"DL1ABC/0", u"DL1ABC"},     // 0 counts like a letter
        {u"HB0/DL1ABC", u"DL1ABC"},   // slash at 4 with at least 9 characters
        {u"HB0/DL1A", u"HB0"},        // slash at 4 in a short call reads as a suffix
        {u"G4ABC/P", u"G4ABC"},
        {u"DL/P", u"P"},              // the slash at 3 is a prefix part
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Kern2(QString::fromUtf16(c.call)), QString::fromUtf16(c.kern))
            << QString::fromUtf16(c.call).toStdString();
}

TEST(CallSign, KernCallSplitsPartsAndKeepsWhatItDoesNotSplit)
{
    CallParts parts{QStringLiteral("OE/"), QString(), QStringLiteral("/P")};
    // No slash: the prefix part is emptied (p = 0 < 4), the suffix keeps its value.
    EXPECT_EQ(KernCall(QStringLiteral("DL1ABC"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.präfix, QString());
    EXPECT_EQ(parts.suffix, QStringLiteral("/P"));

    parts = {QStringLiteral("OE/"), QString(), QString()};
    EXPECT_EQ(KernCall(QStringLiteral("DL1ABC/MM"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.präfix, QStringLiteral("OE/")); // slash at 7: no prefix split
    EXPECT_EQ(parts.suffix, QStringLiteral("/MM"));

    parts = {};
    EXPECT_EQ(KernCall(QStringLiteral("OE5/DL1ABC/P"), parts), QStringLiteral("DL1ABC"));
    EXPECT_EQ(parts.zusammen(), QStringLiteral("OE5/DL1ABC/P"));
}

} // namespace
} // namespace tarvex
