#include "common/GanzeDatei.h"
#include "support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(GanzeDatei, ReplacesTheWholeFileAndLeavesNothingBeside)
{
    test::WorkDir dir;
    const QString pfad = dir.pfad(u"bild.png"_s);
    ASSERT_EQ(ganzSpeichern(pfad, "alt und lang", u"Die Karte"_s), std::nullopt);
    ASSERT_EQ(ganzSpeichern(pfad, "neu", u"Die Karte"_s), std::nullopt);
    EXPECT_EQ(test::dateiInhalt(pfad), QByteArray("neu"));
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden), QStringList { u"bild.png"_s });
}

// Each failure names what was saved, where, and why, and keeps an older file whole.
TEST(GanzeDatei, AFailureIsOneGermanMessageAndKeepsTheOldFile)
{
    test::WorkDir dir;
    const QString vorhanden = dir.pfad(u"alt.png"_s);
    ASSERT_EQ(ganzSpeichern(vorhanden, "alt", u"Die Grafik"_s), std::nullopt);
    ASSERT_TRUE(QDir(dir.root()).mkdir(u"ordner.png"_s));
    struct Fall {
        const char* name;
        QString pfad;
        QByteArray inhalt;
        QString grund;
    };
    const Fall fälle[] = {
        { "missing folder", dir.pfad(u"fehlt/bild.png"_s), "x", {} },
        { "a folder in the way", dir.pfad(u"ordner.png"_s), "x", {} },
        { "picture not encoded", vorhanden, {}, u"das Bild ließ sich nicht erzeugen"_s },
    };
    for (const Fall& f : fälle) {
        const std::optional<QString> meldung = ganzSpeichern(f.pfad, f.inhalt, u"Die Grafik"_s);
        ASSERT_TRUE(meldung) << f.name;
        const QString anfang = u"Die Grafik konnte nicht in %1 gespeichert werden: "_s.arg(f.pfad);
        EXPECT_TRUE(meldung->startsWith(anfang)) << f.name << ": " << meldung->toStdString();
        EXPECT_TRUE(meldung->endsWith(u'.')) << f.name;
        EXPECT_GT(meldung->size(), anfang.size() + 1) << f.name << ": no reason";
        if (!f.grund.isEmpty()) {
            EXPECT_EQ(meldung->mid(anfang.size()), f.grund + u'.') << f.name;
        }
        EXPECT_FALSE(meldung->contains(u"No such"_s)) << f.name << ": not German";
    }
    EXPECT_EQ(test::dateiInhalt(vorhanden), QByteArray("alt"));
}

} // namespace
} // namespace tarvex
