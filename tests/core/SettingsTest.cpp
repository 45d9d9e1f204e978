#include "store/Settings.h"
#include "support/TestFiles.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class SettingsTest : public ::testing::Test {
protected:
    test::WorkDir dir;
    QString ini = dir.pfad(u"contest.ini"_s);
};

// Numbers are read by the leading-number rule (tested with Val): absent is 0.
TEST_F(SettingsTest, FirstStartEverythingAbsent)
{
    Settings s(ini);
    EXPECT_EQ(s.rst(), RstVorgabe::R59);
    EXPECT_EQ(s.loggen(), Speichertaste::Enter);
    EXPECT_EQ(s.zeitdifferenz(), 0);
    EXPECT_FALSE(s.kommentarSpalte());
    EXPECT_EQ(s.letzterContest(), u""_s);
    EXPECT_TRUE(s.bänder().isEmpty());
    // Options: the stored number, an unknown one as the harmless choice.
    const std::pair<const char16_t*, RstVorgabe> rst[]
        = { { u" 1abc", RstVorgabe::R599 }, { u"2", RstVorgabe::Keine }, { u"7", RstVorgabe::Keine } };
    for (const auto& [text, vorgabe] : rst) {
        s.schreiben(u"Parameter"_s, u"RST"_s, QString::fromUtf16(text));
        EXPECT_EQ(s.rst(), vorgabe);
    }
    s.schreiben(u"Parameter"_s, u"loggen"_s, u"2"_s);
    EXPECT_EQ(s.loggen(), Speichertaste::Enter);
    // Edited by hand beyond int: held at the limit, and negating it stays defined.
    s.schreiben(u"Parameter"_s, u"Zeitdifferenz"_s, u"-99999999999"_s);
    EXPECT_EQ(-s.zeitdifferenz(), 2147483647);
}

TEST_F(SettingsTest, ValuesSurviveANewStoreOnTheSameFile)
{
    {
        Settings s(ini);
        s.setRufzeichen(u"DL0XX"_s);
        s.setLocator(u"JO31AA"_s);
        s.setKommentarSpalte(true);
        s.setLetzterContest(u"DEZ2026.MDB"_s);
        s.setLetztesBand(u"432MHz"_s);
        s.setZeitdifferenz(2);
        s.schreiben(Settings::logAbschnitt(u"144MHz"_s), u"Straße"_s, u"Hauptstraße 1"_s);
        s.schreiben(u"Etiketten"_s, u"Höhe"_s, u"36"_s);
    }
    Settings s(ini);
    EXPECT_TRUE(s.kommentarSpalte());
    EXPECT_EQ((QStringList { s.rufzeichen(), s.locator(), s.letzterContest(), s.letztesBand(),
                  s.lesen(u"Parameter"_s, u"Zeitdifferenz"_s), s.lesen(u"Log144MHz"_s, u"Straße"_s),
                  s.lesen(u"Log432MHz"_s, u"Straße"_s), s.lesen(u"Etiketten"_s, u"Höhe"_s) }),
        (QStringList { u"DL0XX"_s, u"JO31AA"_s, u"DEZ2026.MDB"_s, u"432MHz"_s, u"2"_s, u"Hauptstraße 1"_s,
            u""_s, u"36"_s }));
}

TEST_F(SettingsTest, BänderHoldsExactlyTheCurrentContestsBands)
{
    Settings s(ini);
    s.setBänder({ u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s });
    s.setBänder({ u"144MHz"_s, u"1296MHz"_s });
    EXPECT_EQ(s.bänder(), (QStringList { u"144MHz"_s, u"1296MHz"_s }));
    EXPECT_EQ((QStringList { s.lesen(u"Bänder"_s, u"Band1"_s), s.lesen(u"Bänder"_s, u"Band3"_s) }),
        (QStringList { u"144MHz"_s, u"1296MHz"_s }));
    EXPECT_FALSE(s.hatBand(u"432MHz"_s) || s.hatBand(u"10368MHz"_s));

    s.setBänder({ u"50MHz"_s });
    QSettings raw(ini, QSettings::IniFormat);
    raw.beginGroup(u"Bänder"_s);
    EXPECT_EQ(raw.childKeys(), QStringList { u"Band11"_s });
    EXPECT_TRUE(s.hatBand(u"50MHz"_s));
}

} // namespace
} // namespace tarvex
