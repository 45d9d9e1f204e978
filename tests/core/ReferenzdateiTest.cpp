#include "common/UserError.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class ReferenzdateiTest : public ::testing::Test {
protected:
    ReferenzdateiTest()
    {
        test::ContestDatInhalt inhalt;
        inhalt.präfixe
            = { { u"D"_s, u"Deutschland"_s }, { u"DL"_s, u"Deutschland"_s }, { u"F"_s, u"Frankreich"_s },
                  { u"EA"_s, u"Spanien"_s }, { u"EA8"_s, u"Kanarische Inseln"_s }, { u"O'"_s, u"Quote"_s } };
        inhalt.squares = { { u"JO31"_s, u"Deutschland"_s }, { u"JO31"_s, u"Niederlande"_s } };
        inhalt.stationen = { { u"DL1ABC"_s, u"JO31AB JO32CD JO42EF "_s } };
        inhalt.länder = { u"Deutschland"_s, u"Österreich"_s };
        test::schreibeContestDat(dir.pfad(u"Contest.dat"_s), inhalt);
        test::schreibeCallInfo(dir.pfad(u"CALLINFO.MDB"_s), { { u"DL1ABC"_s, u"Hans"_s } });
    }
    test::WorkDir dir;
};

TEST_F(ReferenzdateiTest, LookupsInTheWorkingDirectory)
{
    ContestDat dat;
    EXPECT_EQ(dat.landFürPräfixe({ u"DL"_s, u"DL1"_s }), u"Deutschland"_s);
    EXPECT_EQ(dat.landFürPräfixe({ u"F5"_s, u"F5A"_s }), u""_s);
    EXPECT_EQ(dat.landFürPräfixe({ u"F"_s }), u"Frankreich"_s);
    EXPECT_EQ(dat.landFürPräfixe({ u"EA"_s, u"EA8"_s }), u"Kanarische Inseln"_s); // longer prefix wins
    EXPECT_EQ(dat.landFürPräfixe({ u"O'"_s }), u"Quote"_s);
    EXPECT_EQ(dat.landFürPräfixe({ u"F"_s, u"D"_s }), u"Deutschland"_s); // equally long: table order
    EXPECT_TRUE(dat.landImSquare(u"JO31"_s, u"Niederlande"_s));
    EXPECT_FALSE(dat.landImSquare(u"JO62"_s, u"Deutschland"_s));
    EXPECT_EQ(dat.locators(u"DL1ABC"_s).value_or(QString()), u"JO31AB JO32CD JO42EF "_s);
    EXPECT_FALSE(dat.locators(u"G4XYZ"_s).has_value());
    EXPECT_EQ(dat.länder(), (QStringList { u"Deutschland"_s, u"Österreich"_s }));
    CallInfoDb info;
    EXPECT_EQ(info.name(u"DL1ABC"_s), u"Hans"_s);
    EXPECT_EQ(info.name(u"D'L"_s), u""_s);
}

TEST_F(ReferenzdateiTest, LookupsIgnoreCase)
{
    test::ContestDatInhalt inhalt;
    inhalt.präfixe = { { u"lz"_s, u"Bulgarien"_s }, { u"Oe"_s, u"Österreich"_s } };
    inhalt.squares = { { u"jo31"_s, u"DEUTSCHLAND"_s }, { u"JN78"_s, u"ÖSTERREICH"_s } };
    inhalt.länder = { u"Deutschland"_s, u"DEUTSCHLAND"_s, u"Österreich"_s, u"österreich"_s, u"Polen"_s };
    ASSERT_TRUE(QFile::remove(dir.pfad(u"Contest.dat"_s)));
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
    ContestDat dat;
    EXPECT_EQ(dat.landFürPräfixe({ u"LZ"_s, u"LZ1"_s }), u"Bulgarien"_s);
    EXPECT_EQ(dat.landFürPräfixe({ u"OE"_s }), u"Österreich"_s);
    EXPECT_TRUE(dat.landImSquare(u"JO31"_s, u"Deutschland"_s));
    EXPECT_TRUE(dat.landImSquare(u"jn78"_s, u"Österreich"_s));
    EXPECT_FALSE(dat.landImSquare(u"JO31"_s, u"Österreich"_s));
    EXPECT_EQ(dat.länder(), (QStringList { u"Deutschland"_s, u"Österreich"_s, u"Polen"_s }));
}

TEST_F(ReferenzdateiTest, MissingFileNamesItAndReplacedFileIsSeen)
{
    ContestDat dat;
    EXPECT_EQ(dat.landFürPräfixe({ u"F"_s }), u"Frankreich"_s);
    ASSERT_TRUE(QFile::remove(dir.pfad(u"Contest.dat"_s)));
    try {
        dat.landFürPräfixe({ u"F"_s });
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.meldung().contains(u"CONTEST.DAT"_s)) << e.meldung().toStdString();
        EXPECT_TRUE(e.meldung().contains(u"fehlt"_s));
    }
    test::ContestDatInhalt neu;
    neu.präfixe = { { u"F"_s, u"France"_s } };
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), neu);
    EXPECT_EQ(dat.landFürPräfixe({ u"F"_s }), u"France"_s);

    // Changed in place by another writer, twice at once: each change is read.
    for (const QString& land : { u"Frankreich"_s, u"Gallien"_s }) {
        Connection schreiber(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        schreiber.execute(u"UPDATE PREFIXE SET LAND=? WHERE PREFIX='F'"_s, { land });
        EXPECT_EQ(dat.landFürPräfixe({ u"F"_s }), land);
    }
}

TEST_F(ReferenzdateiTest, OwnWritesAndThenAForeignOneAreEachRead)
{
    ContestDat dat;
    ASSERT_TRUE(dat.locators(u"DL1ABC"_s).has_value());
    const auto ändern = [&](const QString& loc) {
        Connection c(dat.connection().pfad(), Connection::Zugriff::LesenSchreiben);
        c.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE CALL='DL1ABC'"_s, { loc });
    };
    for (const QString& loc : { u"JO40AA"_s, u"JO50BB"_s }) {
        ändern(loc);
        dat.eigeneÄnderungÜbernehmen();
        EXPECT_EQ(dat.locators(u"DL1ABC"_s).value_or(QString()), loc);
    }
    ändern(u"JO60CC"_s);
    EXPECT_EQ(dat.locators(u"DL1ABC"_s).value_or(QString()), u"JO60CC"_s);
}

} // namespace
} // namespace tarvex
