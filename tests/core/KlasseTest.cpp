#include "entry/Klasse.h"
#include "entry/Zeichen.h"

#include "support/QtPrinters.h"
#include <QString>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(Pattern, DigitsAndCapitalsOnly)
{
    EXPECT_EQ(Zeichen(u"DL1ABC"), QStringLiteral("ZZ#ZZZ"));
    EXPECT_EQ(Zeichen(u"14:05"), QStringLiteral("##:##"));
    EXPECT_EQ(Zeichen(u"dl1/Ä"), QStringLiteral("dl#/Ä"));
}

TEST(TokenClass, ClassificationTable)
{
    using K = Klasse;
    const struct {
        const char16_t* token;
        qsizetype locatorLänge;
        Klasse klasse;
    } cases[] = {
        { u"", 0, K::Speichern },
        { u"Q", 0, K::QslUmschalten },
        { u"X", 0, K::Unbekannt },
        // Reports sent: two or three digits, an aurora or scatter letter last.
        { u"59", 0, K::RstGegeben },
        { u"599", 0, K::RstGegeben },
        { u"59A", 0, K::RstGegeben },
        { u"599S", 0, K::RstGegeben },
        { u"59B", 0, K::Unbekannt },
        // Reports received with the serial number.
        { u"59001", 0, K::RstErhalten },
        { u"599001", 0, K::RstErhalten },
        { u"59A012", 0, K::RstErhalten },
        { u"5991234", 0, K::RstErhalten },
        { u"59A1234", 0, K::RstErhalten },
        { u"599S123", 0, K::RstErhalten },
        { u"599A1234", 0, K::RstErhalten },
        { u"59B012", 0, K::Unbekannt },
        { u"/P", 0, K::SuffixUmschalten },
        { u"/MM", 0, K::SuffixUmschalten },
        { u"F/", 0, K::PräfixUmschalten },
        { u"OE/", 0, K::PräfixUmschalten },
        { u"9A/", 0, K::PräfixUmschalten },
        { u"F5/", 0, K::PräfixUmschalten },
        { u"OE5/", 0, K::PräfixUmschalten },
        { u"HBL/", 0, K::PräfixUmschalten },
        { u"3A0/", 0, K::PräfixUmschalten },
        { u"XY", 0, K::CallBuchstaben },
        { u"XYZ", 0, K::CallBuchstaben },
        { u"G4", 0, K::CallPräfix },
        { u"PA3", 0, K::CallPräfix },
        { u"G4A", 0, K::Call },
        { u"G4AB", 0, K::Call },
        { u"DL1A", 0, K::Call },
        { u"DL1AB", 0, K::Call },
        { u"DL1ABC", 0, K::Call },
        { u"9A1ABC", 0, K::Call },
        { u"S51ABC", 0, K::Call },
        { u"PA57XY", 0, K::Call },
        { u"DL10ABC", 0, K::Call },
        { u"4X14ABC", 0, K::Call },
        { u"JO31AB", 0, K::Locator },
        // Locator tails only after a complete locator.
        { u"2CD", 6, K::LocatorEnde3 },
        { u"2CD", 4, K::Unbekannt },
        { u"42CD", 6, K::LocatorEnde4 },
        { u"42CD", 0, K::Unbekannt },
        // Times: the hour is checked, the minutes are not.
        { u"1430", 0, K::ZeitHHMM },
        { u"2330", 0, K::ZeitHHMM },
        { u"1475", 0, K::ZeitHHMM },
        { u"2530", 0, K::Unbekannt },
        { u"14:05", 0, K::ZeitHH_MM },
        { u"24:00", 0, K::Unbekannt },
        { u"01.01.00", 0, K::Datum },
        { u"DL1ABCDE", 0, K::Unbekannt },
        { u"123456789", 0, K::Unbekannt },
        { u"ABCD", 0, K::Unbekannt },
    };
    for (const auto& c : cases) {
        const QString token = QString::fromUtf16(c.token);
        EXPECT_EQ(klassifiziere(token, Zeichen(token), c.locatorLänge), c.klasse) << token.toStdString();
    }
}

TEST(TokenClass, ConditionsReadTheWholeTokenOfASplitCall)
{
    using K = Klasse;
    // token, pattern of its core (as the input line classifies a split call)
    const struct {
        const char16_t* token;
        const char16_t* kern;
        Klasse klasse;
    } cases[] = {
        { u"OE/PA57XY", u"PA57XY", K::Locator }, // does not begin with PA5
        { u"PA57XY/P", u"PA57XY", K::Call },
        { u"OE/JO31AB", u"JO31AB", K::Locator },
        { u"59A/P", u"59A", K::Unbekannt }, // last character P, not S or A
        { u"X/2530", u"2530", K::Unbekannt }, // first two digits 25
        { u"X/1430", u"1430", K::ZeitHHMM },
    };
    for (const auto& c : cases) {
        const QString token = QString::fromUtf16(c.token);
        EXPECT_EQ(klassifiziere(token, Zeichen(QString::fromUtf16(c.kern)), 0), c.klasse)
            << token.toStdString();
    }
}

// The call-sign rule that lists of known stations are held to.
TEST(TokenClass, IstRufzeichenAsTheInputLineTakesACall)
{
    const std::pair<const char16_t*, bool> cases[] = {
        { u"DL1ABC", true },
        { u"G4ABC", true },
        { u"OE/DL1ABC", true },
        { u"DL1ABC/P", true },
        { u"PA5ABC", true },
        { u"DL10ABC", true },
        { u"000", false },
        { u"A/B", false },
        { u"JO31AB", false },
        { u"59001", false },
        { u"DL", false },
        { u"dl1abc", false },
        { u"DL1ABCDEFGHIJKLM", false },
    };
    for (const auto& [call, erwartet] : cases)
        EXPECT_EQ(istRufzeichen(QString::fromUtf16(call)), erwartet)
            << QString::fromUtf16(call).toStdString();
}

} // namespace
} // namespace tarvex
