#include "common/UserError.h"
#include "store/Connection.h"
#include "store/ReferenceDatabase.h"
#include "store/StationsImport.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(StationsImport, ReadsBothLineFormsCommentsAndMergesOneCall)
{
    const StationsImport::Liste liste = StationsImport::lesen(
        u"# Liste vom Fieldday\n"
        u"DL1ABC JO31AB\n"
        u"dk2xy,jo62qm,Hans,JO62QN\n"
        u"\n"
        u"   // ganz auskommentiert: DL9ZZZ JO50AA\n"
        u"DL1ABC,JO32CD // zweiter Standort\n"
        u"DL1ABC JO31AB # schon bekannt\n"
        u"OE5XYZ/P\tJN78AB\r\n"
        u"DL3QQQ JO31\n"
        u"JO31AB DL1ABC\n"
        u"DL4AAA\n"_s);
    ASSERT_EQ(liste.stationen.size(), 3);
    EXPECT_EQ(liste.stationen[0].call, u"DL1ABC"_s);
    EXPECT_EQ(liste.stationen[0].locators, (QStringList{u"JO31AB"_s, u"JO32CD"_s}));
    EXPECT_EQ(liste.stationen[1].call, u"DK2XY"_s);
    EXPECT_EQ(liste.stationen[1].locators, (QStringList{u"JO62QM"_s, u"JO62QN"_s}));
    EXPECT_EQ(liste.stationen[2].call, u"OE5XYZ/P"_s);
    EXPECT_EQ(liste.stationen[2].locators, QStringList{u"JN78AB"_s});

    // A four-character square is no locator; a locator is no call; a call alone says nothing.
    ASSERT_EQ(liste.übersprungen.size(), 3);
    EXPECT_EQ(liste.übersprungen[0].zeile, 9);
    EXPECT_EQ(liste.übersprungen[0].text, u"DL3QQQ JO31"_s);
    EXPECT_EQ(liste.übersprungen[1].zeile, 10);
    EXPECT_EQ(liste.übersprungen[2].zeile, 11);
}

TEST(StationsImport, LocatorsTextPutsTheNthLocatorAtCharacter7nMinus6)
{
    const QString text = StationsImport::zusammensetzen({u"JO31AB"_s, u"JO32CD"_s, u"JO42EF"_s});
    EXPECT_EQ(text, u"JO31AB JO32CD JO42EF"_s);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(text.mid(7 * (n - 1), 6), StationsImport::zerlegen(text).at(n - 1));
    // Texts from other sources: any separator, a trailing one, a repeated locator.
    EXPECT_EQ(StationsImport::zerlegen(u"JO31AB;JO32CD;JO31AB;"_s), (QStringList{u"JO31AB"_s, u"JO32CD"_s}));
    EXPECT_EQ(StationsImport::zerlegen(u"JO31AB"_s), QStringList{u"JO31AB"_s});
    EXPECT_TRUE(StationsImport::zerlegen(QString()).isEmpty());
}

TEST(StationsImport, MergesIntoTheTableInOneRowPerCall)
{
    test::WorkDir dir;
    test::ContestDatInhalt inhalt;
    inhalt.stationen = {{u"DL1ABC"_s, u"JO31AB"_s}, {u"DL1ABC"_s, u"JO30XX JO31AB"_s}, {u"PA0AAA"_s, u"JO22AA"_s}};
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
    const auto einfügen = [&](const QString& liste) {
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        return StationsImport::einfügen(c, StationsImport::lesen(liste).stationen);
    };

    StationsImport::Ergebnis e = einfügen(u"DL1ABC JO32CD\nDL1ABC JO31AB\nON4BBB JO21AA\nPA0AAA JO22AA\n"_s);
    EXPECT_EQ(e.neueStationen, 1);
    EXPECT_EQ(e.ergänzteStationen, 1);
    EXPECT_EQ(e.neueLocatoren, 2);

    ContestDat db(dir.root());
    EXPECT_EQ(db.locators(u"DL1ABC"_s), u"JO31AB JO30XX JO32CD"_s);
    EXPECT_EQ(db.locators(u"ON4BBB"_s), u"JO21AA"_s);
    EXPECT_EQ(db.locators(u"PA0AAA"_s), u"JO22AA"_s);
    Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::NurLesen);
    EXPECT_EQ(c.scalar(u"SELECT count(*) FROM STATIONS WHERE CALL='DL1ABC'"_s).toInt(), 1);

    // The same list again changes nothing.
    e = einfügen(u"DL1ABC JO32CD\nON4BBB JO21AA\n"_s);
    EXPECT_EQ(e.neueStationen + e.ergänzteStationen + e.neueLocatoren, 0);
    EXPECT_EQ(c.scalar(u"SELECT count(*) FROM STATIONS"_s).toInt(), 3);
}

TEST(StationsImport, RefusesAFileWithoutStationsTable)
{
    test::WorkDir dir;
    Connection c(dir.pfad(u"X.DAT"_s), Connection::Zugriff::Anlegen);
    c.exec(u"CREATE TABLE PREFIXE(PREFIX TEXT, LAND TEXT)"_s);
    EXPECT_THROW(StationsImport::einfügen(c, StationsImport::lesen(u"DL1ABC JO31AB"_s).stationen), UserError);
}

} // namespace
} // namespace tarvex
