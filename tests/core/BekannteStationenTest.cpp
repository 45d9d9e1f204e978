#include "callinfo/BekannteStationen.h"
#include "common/TextFile.h"
#include "store/Connection.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QFile>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::ContestFixture;

class BekannteStationenTest : public ContestFixture {
protected:
    QString locators(const QString& call) { return contestDat.locators(call).value_or(u"(keine)"_s); }
    int zeilen()
    {
        Connection c(u"CONTEST.DAT"_s, Connection::Zugriff::NurLesen);
        return c.scalar(u"SELECT count(*) FROM STATIONS"_s).toInt();
    }

    BekannteStationen stationen { model, contestDat, prompter };
};

TEST_F(BekannteStationenTest, ValidContactsOfAllBandsBecomeKnownAndFillTheLocator)
{
    logge(u"PA0AAA JO22AB 59001"_s);
    logge(u"ON4BBB/P JO20XX 59002"_s);
    logge(u"DL1ABC JO30AA 59003"_s);
    model.logList().zeigeAlle();
    model.ungültigErklären(model.logList().rowCount() - 1);
    model.bandWechseln(u"432MHz"_s);
    logge(u"PA0AAA JO22CD 59001"_s);
    logge(u"DL1ABC JO31AB 59002"_s);
    prompter.vergiss();

    stationen.ausContestÜbernehmen();
    const Meldung m = prompter.einzige();
    EXPECT_EQ(m.titel, u"Hinweis"_s);
    EXPECT_EQ(m.text,
        u"Bekannte Stationen aus dem Contest übernommen:\n"
        u"2 neue Stationen, 0 Stationen ergänzt, 3 neue Locatoren."_s);
    EXPECT_EQ(locators(u"PA0AAA"_s), u"JO22AB JO22CD"_s);
    EXPECT_EQ(locators(u"ON4BBB"_s), u"JO20XX"_s);
    // The invalid contact's locator is not taken.
    EXPECT_EQ(locators(u"DL1ABC"_s), u"JO31AB JO32CD JO42EF"_s);

    // Again: nothing new, nothing doubled.
    prompter.vergiss();
    stationen.ausContestÜbernehmen();
    EXPECT_EQ(prompter.gezeigt()[0].text,
        u"Bekannte Stationen aus dem Contest übernommen:\n"
        u"0 neue Stationen, 0 Stationen ergänzt, 0 neue Locatoren."_s);
    EXPECT_EQ(zeilen(), 4);

    // The look-up now offers the locator for a station worked portable.
    model.entry().Löschen();
    zeile(u"ON4BBB"_s);
    EXPECT_EQ(f().txtLocator, u"JO20XX"_s);
}

TEST_F(BekannteStationenTest, FilesAreImportedAndADamagedOneIsNamedAndLeftOut)
{
    test::schreibeDatei(u"gut.edi"_s,
        "[REG1TEST;1]\r\nPCall=OK1KKK\r\nPWWLo=JO70AA\r\n[QSORecords;1]\r\n"
        "260905;1400;dl1abc;1;59;001;59;003;;jo50aa;120;;N;N;\r\n");
    test::schreibeDatei(
        u"kaputt.adi"_s, "<eoh><call:6>G4ABC<gridsquare:6>IO91AA<eor><call:6>F5ABC<gridsquare:6>JN18");
    writeTextFile(u"liste.txt"_s, { u"SP1XYZ JO72AA"_s, u"nur Text"_s });
    prompter.vergiss();

    stationen.dateienImportieren({ u"gut.edi"_s, u"kaputt.adi"_s, u"liste.txt"_s, u"fehlt.edi"_s });
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(
        text.startsWith(u"Bekannte Stationen importiert:\n2 neue Stationen, 1 Station ergänzt, 3 neue "
                        u"Locatoren.\n1 Zeile ohne Rufzeichen oder Locator wurde übergangen.\n\n"
                        u"Die Datei kaputt.adi ist beschädigt: "_s))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nDie Datei fehlt.edi kann nicht gelesen werden: "_s)) << text.toStdString();

    EXPECT_EQ(locators(u"DL1ABC"_s), u"JO31AB JO32CD JO42EF JO50AA"_s);
    EXPECT_EQ(locators(u"OK1KKK"_s), u"JO70AA"_s);
    EXPECT_EQ(locators(u"SP1XYZ"_s), u"JO72AA"_s);
    // Nothing of the damaged file, not even its first, complete record.
    EXPECT_EQ(locators(u"G4ABC"_s), u"(keine)"_s);
}

TEST_F(BekannteStationenTest, WithoutContestOrContestDatTheOperatorIsTold)
{
    model.schließen();
    stationen.ausContestÜbernehmen();
    EXPECT_EQ(prompter.einzige().text, u"Es ist kein Contest geöffnet."_s);

    QFile::remove(u"CONTEST.DAT"_s);
    writeTextFile(u"liste.txt"_s, { u"SP1XYZ JO72AA"_s });
    prompter.vergiss();
    stationen.dateienImportieren({ u"liste.txt"_s });
    EXPECT_TRUE(prompter.einzige().text.startsWith(u"Die Referenzdatei CONTEST.DAT fehlt"_s));
}

// The files come from the open dialog; cancelling it imports nothing and says nothing.
TEST_F(BekannteStationenTest, TheFilesAreAskedForFirst)
{
    writeTextFile(u"liste.txt"_s, { u"SP1XYZ JO72AA"_s });
    stationen.importieren();
    ASSERT_EQ(prompter.dateiFragen().size(), 1);
    EXPECT_EQ(prompter.dateiFragen()[0].titel, u"Bekannte Stationen aus Dateien hinzufügen"_s);
    EXPECT_EQ(prompter.dateiFragen()[0].art, Dateiwahl::Art::Öffnen);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    prompter.antworteDatei(u"liste.txt"_s);
    stationen.importieren();
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(text.contains(u"1 neue Station,"_s)) << text.toStdString();
}

} // namespace
} // namespace tarvex
