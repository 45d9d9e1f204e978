#include "common/TextFile.h"
#include "common/Cp1252.h"
#include "common/UserError.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(Cp1252, EncodesLatinAndTheHighBlock)
{
    EXPECT_EQ(toCp1252(u"Äöüß"), QByteArray("\xC4\xF6\xFC\xDF"));
    EXPECT_EQ(toCp1252(u"\u20AC \u2013 \u201E"), QByteArray("\x80 \x96 \x84"));
    EXPECT_EQ(toCp1252(u"\u2191"), QByteArray("?"));
    EXPECT_EQ(fromCp1252(QByteArray("\x80\xC4")), u"\u20AC\u00C4"_s);
}

TEST(TextFile, LinesEndInCrLfAndAppend)
{
    test::WorkDir dir;
    appendTextLine(u"j.txt"_s, u"Österreich"_s);
    appendTextLine(u"j.txt"_s, u"OK"_s);
    EXPECT_EQ(test::dateiInhalt(u"j.txt"_s), QByteArray("\xD6sterreich\r\nOK\r\n"));
    EXPECT_EQ(readTextLines(u"j.txt"_s), (QStringList { u"Österreich"_s, u"OK"_s }));
    writeTextFile(u"j.txt"_s, { u"neu"_s });
    EXPECT_EQ(test::dateiInhalt(u"j.txt"_s), QByteArray("neu\r\n"));
}

// The reason is German, never the C library's English text.
TEST(TextFile, UnwritablePlaceIsAGermanMessageNamingTheFile)
{
    test::WorkDir dir;
    try {
        appendTextLine(dir.pfad(u"fehlt/j.txt"_s), u"x"_s);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.meldung().startsWith(u"Die Datei "_s)) << e.meldung().toStdString();
        EXPECT_TRUE(e.meldung().contains(u"j.txt"_s));
        EXPECT_TRUE(e.meldung().contains(u"fehlt"_s)) << e.meldung().toStdString();
        EXPECT_FALSE(e.meldung().contains(u"No such"_s)) << e.meldung().toStdString();
    }
    test::KleineDisk disk(u"voll"_s, 64);
    if (!disk.ok())
        GTEST_SKIP() << "no tmpfs (needs root)";
    disk.füllen();
    try {
        writeTextFile(disk.pfad(u"k.txt"_s), QStringList(200, QString(80, u'x')));
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.meldung().contains(u"der Datenträger ist voll"_s)) << e.meldung().toStdString();
    }
}

} // namespace
} // namespace tarvex
