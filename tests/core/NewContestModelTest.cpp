#include "common/TextFile.h"
#include "contest/NewContestModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QDir>
#include <QFile>
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
        settings.setBänder({u"432MHz"_s, u"1296MHz"_s});
    }

    void ausfüllen(const QString& name, const QString& call, const QString& locator, const QStringList& bänder)
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
        result.removeIf([](const QString& name) { return name.endsWith(u"-wal"_s) || name.endsWith(u"-shm"_s); });
        return result;
    }

    ContestModel contest{prompter, clock, keystrokes, lookup, settings};
    NewContestModel form{contest, prompter};
};

TEST_F(NewContestTest, CreatesFilesSettingsAndTurnsTheLoggingModel)
{
    EXPECT_FALSE(form.abbrechenMöglich());
    form.vorbelegen(QDate(2026, 12, 4));
    EXPECT_EQ(form.txtName(), u"DEZ2026"_s);

    ausfüllen(u"test"_s, u"dl0a"_s, u"jo31ab"_s, {u"10368MHz"_s, u"144MHz"_s});
    ASSERT_TRUE(form.anlegen());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    EXPECT_EQ(dateien(), (QStringList{u"TEST.mdb"_s, u"TEST.txt"_s}));
    EXPECT_EQ(QFileInfo(u"TEST.txt"_s).size(), 0);
    {
        ContestDatabase db = ContestDatabase::öffnen(u"TEST.mdb"_s);
        EXPECT_EQ(db.tabellen(), (QStringList{u"10368MHz"_s, u"144MHz"_s, u"JOURNAL"_s, u"PARAM"_s, u"TMP"_s}));
        EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), 14);
        EXPECT_EQ(db.feldAnzahl(u"TMP"_s), 3);
        ASSERT_TRUE(db.parameter().has_value());
        EXPECT_EQ(db.parameter()->call, u"DL0A"_s);
        EXPECT_EQ(db.parameter()->locator, u"JO31AB"_s);
    }

    EXPECT_EQ(settings.bänder(), (QStringList{u"144MHz"_s, u"10368MHz"_s}));
    EXPECT_EQ(settings.lesen(u"Bänder"_s, u"Band1"_s), u"144MHz"_s);
    EXPECT_EQ(settings.lesen(u"Bänder"_s, u"Band7"_s), u"10368MHz"_s);
    EXPECT_EQ(settings.letzterContest(), u"TEST.MDB"_s);
    EXPECT_EQ(settings.letztesBand(), u"144MHz"_s);
    EXPECT_EQ(settings.rufzeichen(), u"DL0A"_s);
    EXPECT_EQ(settings.locator(), u"JO31AB"_s);

    EXPECT_TRUE(contest.hatContest());
    EXPECT_EQ(contest.Datenbank(), u"TEST.MDB"_s);
    EXPECT_EQ(contest.Band(), u"144MHz"_s);
    EXPECT_EQ(contest.lblBand(), u"144 MHz"_s);
    EXPECT_EQ(contest.felder().txtNummer, u"001"_s);
    EXPECT_EQ(contest.lblCall(), u"DL0A"_s);
    EXPECT_EQ(contest.felder().lblLocator, u"JO31AB"_s);
    EXPECT_EQ(contest.fenstertitel(), u"Contest  -  test.mdb"_s);
    EXPECT_TRUE(form.abbrechenMöglich());
}

struct Ablehnung {
    const char* fall;
    QString name, call, locator;
    QString text;
};

void PrintTo(const Ablehnung& a, std::ostream* os)
{
    *os << a.fall;
}

class RefusedBeforeAnyFile : public NewContestTest, public ::testing::WithParamInterface<Ablehnung> {};

// Steps 1 to 3, in their order; none of them leaves a trace.
TEST_P(RefusedBeforeAnyFile, ShowsOneExclamationAndStops)
{
    const Ablehnung& a = GetParam();
    ausfüllen(a.name, a.call, a.locator, {u"144MHz"_s});
    EXPECT_FALSE(form.anlegen());
    ASSERT_EQ(prompter.gezeigt().size(), 1);
    const Meldung& m = prompter.gezeigt().first();
    EXPECT_EQ(m.text, a.text);
    EXPECT_EQ(m.titel, u"Fehler"_s);
    EXPECT_EQ(m.symbol, Meldung::Symbol::Ausrufezeichen);
    EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::Ok);
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_EQ(settings.bänder(), (QStringList{u"432MHz"_s, u"1296MHz"_s}));
    EXPECT_TRUE(settings.letzterContest().isEmpty());
    EXPECT_FALSE(contest.hatContest());
}

const QString kName = u"Bitte einen Namen für die Datenbank eingeben"_s;
const QString kCall = u"Bitte Contest-Rufzeichen eingeben"_s;
const QString kLocator = u"Bitte Locator eingeben"_s;

INSTANTIATE_TEST_SUITE_P(
    Steps, RefusedBeforeAnyFile,
    ::testing::Values(Ablehnung{"NoName", u""_s, u"DL0AB"_s, u"JO31AB"_s, kName},
                      Ablehnung{"NameBeforeCall", u""_s, u"DL"_s, u"JO"_s, kName},
                      Ablehnung{"ThreeCharacterCall", u"TEST"_s, u"G4X"_s, u"JO31AB"_s, kCall},
                      Ablehnung{"CallBeforeLocator", u"TEST"_s, u""_s, u""_s, kCall},
                      Ablehnung{"FiveCharacterLocator", u"TEST"_s, u"DL0AB"_s, u"JO31A"_s, kLocator},
                      Ablehnung{"SevenCharacterLocator", u"TEST"_s, u"DL0AB"_s, u"JO31ABC"_s, kLocator}),
    [](const auto& fall) { return std::string(fall.param.fall); });

TEST_F(NewContestTest, LocatorCheckOnLeavingTheField)
{
    const std::pair<QString, bool> fälle[] = {
        {u"JO31AB"_s, true},  {u"jo31ab"_s, true},  {u"1O31AB"_s, false}, {u"JO3AAB"_s, false},
        {u"JO31A"_s, false},  {u""_s, false},       {u"JO31AB1"_s, false}, {u"JO31A/"_s, false},
    };
    for (const auto& [locator, gültig] : fälle) {
        SCOPED_TRACE(locator.toStdString());
        prompter.vergiss();
        form.setTxtLocator(locator);
        EXPECT_EQ(form.locatorVerlassen(), gültig);
        if (gültig) {
            EXPECT_TRUE(prompter.gezeigt().isEmpty());
            continue;
        }
        ASSERT_EQ(prompter.gezeigt().size(), 1);
        EXPECT_EQ(prompter.gezeigt()[0].text, u"ungültiger Locator"_s);
        EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
        EXPECT_EQ(prompter.gezeigt()[0].symbol, Meldung::Symbol::Kritisch);
    }
}

TEST_F(NewContestTest, ExistingContestFileIsRefusedAndLeftAsItWas)
{
    for (const QString& vorhanden : {u"TEST.mdb"_s, u"test.MDB"_s}) {
        SCOPED_TRACE(vorhanden.toStdString());
        const QByteArray inhalt("kein leerer Inhalt\r\n");
        {
            QFile f(vorhanden);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        prompter.vergiss();
        ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, {u"144MHz"_s});
        EXPECT_FALSE(form.anlegen());
        ASSERT_EQ(prompter.gezeigt().size(), 1);
        EXPECT_EQ(prompter.gezeigt()[0].text, u"Eine Datenbank dieses Names existiert schon!"_s);
        EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
        EXPECT_EQ(prompter.gezeigt()[0].symbol, Meldung::Symbol::Kritisch);
        EXPECT_EQ(test::dateiInhalt(vorhanden), inhalt);
        EXPECT_EQ(dateien(), QStringList{vorhanden}); // no journal either
        EXPECT_TRUE(settings.letzterContest().isEmpty());
        QFile::remove(vorhanden);
    }
}

TEST_F(NewContestTest, EmptyFileOfThatNameIsReplacedAndTheJournalEmptied)
{
    { QFile(u"test.mdb"_s).open(QIODevice::WriteOnly); }
    writeTextFile(u"TEST.txt"_s, {u"alte Zeile"_s});
    ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, {u"432MHz"_s});
    ASSERT_TRUE(form.anlegen());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_EQ(dateien(), (QStringList{u"TEST.mdb"_s, u"TEST.txt"_s}));
    EXPECT_EQ(QFileInfo(u"TEST.txt"_s).size(), 0);
    EXPECT_EQ(ContestDatabase::öffnen(u"TEST.MDB"_s).bandTabellen(), QStringList{u"432MHz"_s});
    EXPECT_EQ(contest.Band(), u"432MHz"_s);
}

TEST_F(NewContestTest, NoBandLeavesTheFilesAndASecondAttemptMeetsThem)
{
    ausfüllen(u"TEST"_s, u"DL0AB"_s, u"JO31AB"_s, {});
    EXPECT_FALSE(form.anlegen());
    ASSERT_EQ(prompter.gezeigt().size(), 1);
    EXPECT_EQ(prompter.gezeigt()[0].text, u"Bitte mindestens ein Band auswählen"_s);
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
    EXPECT_EQ(prompter.gezeigt()[0].symbol, Meldung::Symbol::Ausrufezeichen);
    EXPECT_EQ(dateien(), (QStringList{u"TEST.mdb"_s, u"TEST.txt"_s}));
    EXPECT_GT(QFileInfo(u"TEST.mdb"_s).size(), 0);
    EXPECT_TRUE(settings.bänder().isEmpty()); // cleared before the check
    EXPECT_TRUE(settings.letzterContest().isEmpty());
    EXPECT_FALSE(contest.hatContest());

    const QByteArray vorher = test::dateiInhalt(u"TEST.mdb"_s);
    form.setBandGewählt(u"144MHz"_s, true);
    EXPECT_FALSE(form.anlegen());
    EXPECT_EQ(prompter.texte().last(), u"Eine Datenbank dieses Names existiert schon!"_s);
    EXPECT_EQ(test::dateiInhalt(u"TEST.mdb"_s), vorher);
}

TEST_F(NewContestTest, FiftyMegahertzOnlyWithTheOption)
{
    // Hidden, the box takes no tick.
    EXPECT_FALSE(form.chk50Sichtbar());
    form.setBandGewählt(u"50MHz"_s, true);
    EXPECT_FALSE(form.bandGewählt(u"50MHz"_s));

    // Switched on and off again: unticked, hidden, no table.
    form.option50MHzUmschalten();
    EXPECT_TRUE(form.chk50Sichtbar());
    form.setBandGewählt(u"50MHz"_s, true);
    EXPECT_TRUE(form.bandGewählt(u"50MHz"_s));
    form.option50MHzUmschalten();
    EXPECT_FALSE(form.chk50Sichtbar());
    EXPECT_FALSE(form.bandGewählt(u"50MHz"_s));
    ausfüllen(u"OHNE50"_s, u"DL0AB"_s, u"JO31AB"_s, {u"144MHz"_s});
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ(ContestDatabase::öffnen(u"OHNE50.MDB"_s).bandTabellen(), QStringList{u"144MHz"_s});
    EXPECT_TRUE(settings.lesen(u"Bänder"_s, u"Band11"_s).isEmpty());

    // With 50 and 432 MHz, 50 MHz comes first and becomes current.
    form.option50MHzUmschalten();
    form.setBandGewählt(u"144MHz"_s, false);
    ausfüllen(u"MIT50"_s, u"DL0AB"_s, u"JO31AB"_s, {u"432MHz"_s, u"50MHz"_s});
    EXPECT_EQ(form.gewählteBänder(), (QStringList{u"50MHz"_s, u"432MHz"_s}));
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ(settings.letztesBand(), u"50MHz"_s);
    EXPECT_EQ(settings.bänder(), (QStringList{u"50MHz"_s, u"432MHz"_s}));
    EXPECT_EQ(settings.lesen(u"Bänder"_s, u"Band11"_s), u"50MHz"_s);
    EXPECT_EQ(contest.Datenbank(), u"MIT50.MDB"_s);
    EXPECT_EQ(contest.Band(), u"50MHz"_s);
}

TEST_F(NewContestTest, SecondContestReplacesTheOpenOneAndKeepsTheFields)
{
    ausfüllen(u"ERSTER"_s, u"DL0AB"_s, u"JO31AB"_s, {u"144MHz"_s, u"432MHz"_s});
    ASSERT_TRUE(form.anlegen());

    // Call, locator and bands stay for the next use; only the name is preset again.
    form.vorbelegen(QDate(2027, 3, 1));
    EXPECT_EQ(form.txtName(), u"MÄR2027"_s);
    EXPECT_EQ(form.txtCall(), u"DL0AB"_s);
    form.setTxtLocator(u"JN48AA"_s);
    form.setBandGewählt(u"144MHz"_s, false);
    ASSERT_TRUE(form.anlegen());
    EXPECT_EQ(contest.Datenbank(), u"MÄR2027.MDB"_s);
    EXPECT_EQ(contest.Band(), u"432MHz"_s);
    EXPECT_EQ(contest.felder().lblLocator, u"JN48AA"_s);
    EXPECT_EQ(settings.bänder(), QStringList{u"432MHz"_s});
    EXPECT_EQ(settings.locator(), u"JN48AA"_s);
    EXPECT_TRUE(QFileInfo::exists(u"MÄR2027.mdb"_s));
}

TEST_F(NewContestTest, FieldsStartWithTheOwnStationOfTheSettings)
{
    settings.setRufzeichen(u"DL0XX"_s);
    settings.setLocator(u"JO31AA"_s);
    const NewContestModel neu{contest, prompter};
    EXPECT_EQ(neu.txtCall(), u"DL0XX"_s);
    EXPECT_EQ(neu.txtLocator(), u"JO31AA"_s);
}

TEST(NewContestCapitals, EveryLetterKeepsItsPlace)
{
    EXPECT_EQ(NewContestModel::großschreiben(u"dl1abc/p"_s), u"DL1ABC/P"_s);
    EXPECT_EQ(NewContestModel::großschreiben(u"märz_ß"_s), u"MÄRZ_ß"_s);
}

} // namespace
} // namespace tarvex
