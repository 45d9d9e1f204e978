#include "contest/NewContestModel.h"
#include "common/TextFile.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QDir>
#include <QFileInfo>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// Nothing open yet: the state of the very first start.
class NewContestTest : public ::testing::Test, public test::Arbeitsplatz {
protected:
    NewContestTest()
    {
        // Keys of an earlier contest, which creating must clear.
        settings.setBänder({ u"432MHz"_s, u"1296MHz"_s });
    }

    void ausfüllen(
        const QString& name, const QString& call, const QString& locator, const QStringList& bänder)
    {
        form.setTxtName(name);
        form.setTxtCall(call);
        form.setTxtLocator(locator);
        for (const QString& band : bänder)
            form.setBandGewählt(band, true);
    }

    QStringList dateien() const
    {
        QStringList result = QDir::current().entryList(QDir::Files, QDir::Name);
        result.removeAll(u"CONTEST.ini"_s);
        // The engine's companions of a contest that is open (write-ahead log and its index).
        result.removeIf(
            [](const QString& name) { return name.endsWith(u"-wal"_s) || name.endsWith(u"-shm"_s); });
        return result;
    }

    ContestModel contest { prompter, clock, keystrokes, lookup, settings };
    NewContestModel form { contest, prompter };
};

TEST_F(NewContestTest, CreatesFilesSettingsAndTurnsTheLoggingModel)
{
    EXPECT_FALSE(form.abbrechenMöglich());
    form.vorbelegen(QDate(2026, 12, 4));
    EXPECT_EQ(form.txtName(), u"DEZ2026"_s);

    ausfüllen(u"test"_s, u"dl0a"_s, u"jo31ab"_s, { u"10368MHz"_s, u"144MHz"_s });
    ASSERT_TRUE(form.anlegen());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_EQ(dateien(), (QStringList { u"TEST.mdb"_s, u"TEST.txt"_s }));
    EXPECT_EQ(QFileInfo(u"TEST.txt"_s).size(), 0);
    {
        ContestDatabase db = ContestDatabase::öffnen(u"TEST.mdb"_s);
        EXPECT_EQ(db.bandTabellen(), (QStringList { u"10368MHz"_s, u"144MHz"_s }));
        ASSERT_TRUE(db.parameter().has_value());
        EXPECT_EQ(db.parameter()->call, u"DL0A"_s);
        EXPECT_EQ(db.parameter()->locator, u"JO31AB"_s);
    }
    EXPECT_EQ(settings.bänder(), (QStringList { u"144MHz"_s, u"10368MHz"_s }));
    // Contest, band and station, as the settings keep them and as the logging model shows them.
    const QStringList erwartet { u"TEST.MDB"_s, u"144MHz"_s, u"DL0A"_s, u"JO31AB"_s };
    EXPECT_EQ((QStringList { settings.letzterContest(), settings.letztesBand(), settings.rufzeichen(),
                  settings.locator() }),
        erwartet);
    EXPECT_EQ(
        (QStringList { contest.Datenbank(), contest.Band(), contest.lblCall(), contest.felder().lblLocator }),
        erwartet);
    EXPECT_TRUE(form.abbrechenMöglich());
}

// Name, call and locator are checked in this order; none of them leaves a trace.
TEST_F(NewContestTest, RefusedBeforeAnyFile)
{
    const struct {
        const char* fall;
        const char16_t *name, *call, *locator, *stichwort;
    } cases[] = {
        { "no name", u"", u"DL0AB", u"JO31AB", u"Namen" },
        { "name before call", u"", u"DL", u"JO", u"Namen" },
        { "three-character call", u"TEST", u"G4X", u"JO31AB", u"Rufzeichen" },
        { "call before locator", u"TEST", u"", u"", u"Rufzeichen" },
        { "five-character locator", u"TEST", u"DL0AB", u"JO31A", u"Locator" },
        { "seven-character locator", u"TEST", u"DL0AB", u"JO31ABC", u"Locator" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        prompter.vergiss();
        ausfüllen(QString::fromUtf16(c.name), QString::fromUtf16(c.call), QString::fromUtf16(c.locator),
            { u"144MHz"_s });
        EXPECT_FALSE(form.anlegen());
        const Meldung m = prompter.einzige();
        EXPECT_TRUE(m.text.contains(QString::fromUtf16(c.stichwort)));
        EXPECT_EQ(m.symbol, Meldung::Symbol::Ausrufezeichen);
        EXPECT_TRUE(dateien().isEmpty());
        EXPECT_EQ(settings.bänder(), (QStringList { u"432MHz"_s, u"1296MHz"_s }));
        EXPECT_TRUE(settings.letzterContest().isEmpty());
        EXPECT_FALSE(contest.hatContest());
    }
}

TEST_F(NewContestTest, LocatorCheckOnLeavingTheField)
{
    const std::pair<QString, bool> fälle[] = {
        { u"jo31ab"_s, true },
        { u"1O31AB"_s, false },
        { u"JO31A"_s, false },
        { u""_s, false },
        { u"JO31AB1"_s, false },
    };
    for (const auto& [locator, gültig] : fälle) {
        SCOPED_TRACE(locator.toStdString());
        prompter.vergiss();
        form.setTxtLocator(locator);
        EXPECT_EQ(form.locatorVerlassen(), gültig);
        ASSERT_EQ(prompter.gezeigt().size(), gültig ? 0 : 1);
        if (!gültig) {
            EXPECT_EQ(prompter.gezeigt()[0].symbol, Meldung::Symbol::Kritisch);
        }
    }
}

TEST_F(NewContestTest, ExistingContestFileIsRefusedAndLeftAsItWas)
{
    const QByteArray inhalt("kein leerer Inhalt\r\n");
    // In other letters: the store refuses a name that differs only in case.
    const QString vorhanden = u"test.MDB"_s;
    test::schreibeDatei(vorhanden, inhalt);
    ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, { u"144MHz"_s });
    EXPECT_FALSE(form.anlegen());
    const Meldung m = prompter.einzige();
    EXPECT_TRUE(m.text.contains(u"existiert schon"_s));
    EXPECT_EQ(m.symbol, Meldung::Symbol::Kritisch);
    EXPECT_EQ(test::dateiInhalt(vorhanden), inhalt);
    EXPECT_EQ(dateien(), QStringList { vorhanden }); // no journal either
    EXPECT_TRUE(settings.letzterContest().isEmpty());
}

TEST_F(NewContestTest, EmptyFileOfThatNameIsReplacedAndTheJournalEmptied)
{
    test::schreibeDatei(u"test.mdb"_s, {});
    writeTextFile(u"TEST.txt"_s, { u"alte Zeile"_s });
    ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, { u"432MHz"_s });
    ASSERT_TRUE(form.anlegen());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_EQ(dateien(), (QStringList { u"TEST.mdb"_s, u"TEST.txt"_s }));
    EXPECT_EQ(QFileInfo(u"TEST.txt"_s).size(), 0);
    EXPECT_EQ(contest.Band(), u"432MHz"_s);
}

TEST_F(NewContestTest, NoBandLeavesTheFilesAndASecondAttemptMeetsThem)
{
    ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, {});
    EXPECT_FALSE(form.anlegen());
    const Meldung m = prompter.einzige();
    EXPECT_TRUE(m.text.contains(u"Band"_s));
    EXPECT_EQ(m.symbol, Meldung::Symbol::Ausrufezeichen);
    EXPECT_EQ(dateien(), (QStringList { u"TEST.mdb"_s, u"TEST.txt"_s }));
    EXPECT_TRUE(settings.bänder().isEmpty()); // cleared before the check
    EXPECT_TRUE(settings.letzterContest().isEmpty());
    EXPECT_FALSE(contest.hatContest());

    const QByteArray vorher = test::dateiInhalt(u"TEST.mdb"_s);
    form.setBandGewählt(u"144MHz"_s, true);
    EXPECT_FALSE(form.anlegen());
    EXPECT_TRUE(prompter.texte().last().contains(u"existiert schon"_s));
    EXPECT_EQ(test::dateiInhalt(u"TEST.mdb"_s), vorher);
}

TEST_F(NewContestTest, FiftyMegahertzOnlyWithTheOption)
{
    // Hidden, the box takes no tick; hidden again, it loses it.
    EXPECT_FALSE(form.chk50Sichtbar());
    form.setBandGewählt(u"50MHz"_s, true);
    EXPECT_FALSE(form.bandGewählt(u"50MHz"_s));
    form.option50MHzUmschalten();
    EXPECT_TRUE(form.chk50Sichtbar());
    form.setBandGewählt(u"50MHz"_s, true);
    EXPECT_TRUE(form.bandGewählt(u"50MHz"_s));
    form.option50MHzUmschalten();
    EXPECT_FALSE(form.chk50Sichtbar());
    EXPECT_FALSE(form.bandGewählt(u"50MHz"_s));
    ausfüllen(u"OHNE50"_s, u"DL0AB"_s, u"JO31AB"_s, { u"144MHz"_s });
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ(settings.bänder(), QStringList { u"144MHz"_s });

    // With 50 and 432 MHz, 50 MHz comes first and becomes current.
    form.option50MHzUmschalten();
    form.setBandGewählt(u"144MHz"_s, false);
    ausfüllen(u"MIT50"_s, u"DL0AB"_s, u"JO31AB"_s, { u"432MHz"_s, u"50MHz"_s });
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ(settings.bänder(), (QStringList { u"50MHz"_s, u"432MHz"_s }));
    EXPECT_EQ(contest.Band(), u"50MHz"_s);
}

TEST_F(NewContestTest, SecondContestReplacesTheOpenOneAndKeepsTheFields)
{
    ausfüllen(u"ERSTER"_s, u"DL0AB"_s, u"JO31AB"_s, { u"144MHz"_s, u"432MHz"_s });
    ASSERT_TRUE(form.anlegen());

    // A form made afresh starts with the station the settings now hold.
    EXPECT_EQ(NewContestModel(contest, prompter).txtLocator(), u"JO31AB"_s);

    // Call, locator and bands stay for the next use; only the name is preset again.
    form.vorbelegen(QDate(2027, 3, 1));
    EXPECT_EQ(form.txtName(), u"MÄR2027"_s);
    EXPECT_EQ(form.txtCall(), u"DL0AB"_s);
    form.setTxtLocator(u"JN48AA"_s);
    form.setBandGewählt(u"144MHz"_s, false);
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ((QStringList { contest.Datenbank(), contest.Band(), contest.felder().lblLocator }),
        (QStringList { u"MÄR2027.MDB"_s, u"432MHz"_s, u"JN48AA"_s }));
    EXPECT_TRUE(QFileInfo::exists(u"MÄR2027.mdb"_s));
}

TEST(NewContestCapitals, EveryLetterKeepsItsPlace)
{
    const std::pair<QString, QString> fälle[] = {
        { u"dl1abc/p"_s, u"DL1ABC/P"_s }, { u"märz_ß"_s, u"MÄRZ_ß"_s },
        { u"\U00010428x"_s, u"\U00010400X"_s }, // a pair beyond the first plane
        { QString(QChar(0xD801)) + u"a"_s, QString(QChar(0xD801)) + u"A"_s }, // a lone half
    };
    for (const auto& [ein, aus] : fälle)
        EXPECT_EQ(großschreiben(ein), aus) << ein.toStdString();
}

} // namespace
} // namespace tarvex
