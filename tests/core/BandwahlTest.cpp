#include "contest/Bandwahl.h"
#include "contest/ContestÖffnen.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kFrage = u"Sollen Rufzeichen und Locator des zuletzt gespeicherten QSOs übernommen werden?"_s;

class BandChoiceTest : public test::ContestFixture {
protected:
    BandChoiceTest()
    {
        // Opened through the open dialog, so Bänder and lastContest describe TEST.mdb.
        contestÖffnen(model, prompter, dir.pfad(u"TEST.mdb"_s));
    }

    QStringList aktiv() const
    {
        QStringList result;
        for (const BandKnopf& k : Bandwahl::knöpfe(settings)) {
            if (k.aktiv)
                result.append(k.name);
        }
        return result;
    }

    bool fünfzigSichtbar() const { return Bandwahl::knöpfe(settings).last().sichtbar; }

    Bandwahl wahl{model, prompter};
};

TEST_F(BandChoiceTest, ButtonsFollowTheKeysOfBänder)
{
    const QList<BandKnopf> knöpfe = Bandwahl::knöpfe(settings);
    QStringList reihe;
    for (const BandKnopf& k : knöpfe)
        reihe.append(k.name + u'|' + k.caption + u'|' + k.band);
    EXPECT_EQ(reihe, (QStringList{u"cmd144MHz|144 MHz|144MHz"_s, u"cmd432MHz|432 MHz|432MHz"_s,
                                  u"cmd1296MHz|1,3 GHz|1296MHz"_s, u"cmd2320MHz|2,3 GHz|2320MHz"_s,
                                  u"cmd3400MHz|3,4 GHz|3400MHz"_s, u"cmd5760MHz|5,7 GHz|5760MHz"_s,
                                  u"cmd10368MHz|10 GHz|10368MHz"_s, u"cmd24192MHz|24 GHz|24192MHz"_s,
                                  u"cmd47088MHz|47 GHz|47088MHz"_s, u"cmd76032MHz|76 GHz|76032MHz"_s,
                                  u"cmd50MHz|50 MHz|50MHz"_s}));

    const struct {
        QStringList bänder;
        QStringList aktiv;
        bool fünfzig;
    } cases[] = {
        {{u"144MHz"_s, u"10368MHz"_s}, {u"cmd144MHz"_s, u"cmd10368MHz"_s}, false},
        {{u"50MHz"_s, u"432MHz"_s}, {u"cmd432MHz"_s, u"cmd50MHz"_s}, true},
        {{u"47088MHz"_s, u"76032MHz"_s}, {u"cmd47088MHz"_s, u"cmd76032MHz"_s}, false},
        {{}, {}, false},
    };
    for (const auto& c : cases) {
        settings.setBänder(c.bänder);
        EXPECT_EQ(aktiv(), c.aktiv) << c.bänder.join(u',').toStdString();
        EXPECT_EQ(fünfzigSichtbar(), c.fünfzig) << c.bänder.join(u',').toStdString();
    }

    // Only the key's presence counts, not its value.
    settings.schreiben(u"Bänder"_s, u"Band5"_s, u"irgendwas"_s);
    EXPECT_EQ(aktiv(), QStringList{u"cmd3400MHz"_s});
}

TEST_F(BandChoiceTest, YesCarriesTheLastStationOverToTheNewBand)
{
    logge(u"dl1abc jo62qm 59012"_s);
    ASSERT_EQ(model.LastCall(), u"DL1ABC"_s);
    prompter.vergiss();

    prompter.antworte(Meldung::Antwort::Ja);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    ASSERT_EQ(prompter.gezeigt().size(), 1);
    const Meldung& m = prompter.gezeigt()[0];
    EXPECT_EQ(m.text, kFrage);
    EXPECT_EQ(m.titel, u"Frage"_s);
    EXPECT_EQ(m.symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::JaNein);
    EXPECT_EQ(m.standard, Meldung::Antwort::Ja);

    EXPECT_EQ(model.Band(), u"432MHz"_s);
    EXPECT_EQ(model.lblBand(), u"432 MHz"_s);
    EXPECT_EQ(settings.letztesBand(), u"432MHz"_s);
    EXPECT_EQ(model.logList().rowCount(), 0);
    EXPECT_EQ(f().txtNummer, u"001"_s);
    // Filled and evaluated as if typed: distance, bearing and the look-up.
    EXPECT_EQ(f().txtCall, u"DL1ABC"_s);
    EXPECT_EQ(f().txtLocator, u"JO62QM"_s);
    EXPECT_EQ(f().txtQRB, u"531"_s);
    EXPECT_EQ(f().txtWinkel, u"69"_s);
    EXPECT_EQ(f().lblLand, u"Deutschland"_s);
    EXPECT_TRUE(f().lblInfo.startsWith(u"Info: (Hans"_s)) << f().lblInfo.toStdString();

    // Completing the report saves the station on the new band.
    zeile(u"59007"_s);
    zeile(QString());
    ASSERT_EQ(band(u"432MHz"_s).size(), 1);
    EXPECT_EQ(band(u"432MHz"_s)[0].rufzeichen, u"DL1ABC"_s);
    EXPECT_EQ(band(u"432MHz"_s)[0].nummer, 1);
}

TEST_F(BandChoiceTest, NoIsAnsweredOnceUntilTheNextContact)
{
    logge(u"dl1abc jo62qm 59012"_s);
    prompter.vergiss();

    prompter.antworte(Meldung::Antwort::Nein);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    EXPECT_EQ(prompter.texte(), QStringList{kFrage});
    EXPECT_TRUE(f().txtCall.isEmpty());
    EXPECT_TRUE(f().txtLocator.isEmpty());
    EXPECT_TRUE(model.LastCall().isEmpty());

    ASSERT_TRUE(wahl.BandSetzen(u"144MHz"_s));
    EXPECT_EQ(prompter.gezeigt().size(), 1) << "not asked again without a new contact";
    EXPECT_EQ(f().txtNummer, u"002"_s);

    logge(u"dk2xy jo62qm 59003"_s);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    EXPECT_EQ(prompter.texte(), (QStringList{kFrage, kFrage}));
}

TEST_F(BandChoiceTest, ARestartOpensTheLastBand)
{
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));

    ContestModel neu{prompter, clock, keystrokes, lookup, settings};
    ASSERT_TRUE(neu.laden());
    EXPECT_EQ(neu.Datenbank(), dir.pfad(u"TEST.mdb"_s));
    EXPECT_EQ(neu.Band(), u"432MHz"_s);
}

TEST_F(BandChoiceTest, OldTableOfTheNewBandIsUpgradedAndTakesContacts)
{
    const QString pfad = dir.pfad(u"ALT.mdb"_s);
    test::schreibeAltenContest(pfad, {{u"144MHz"_s, 12}, {u"432MHz"_s, 12}});
    ASSERT_TRUE(contestÖffnen(model, prompter, pfad));

    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    EXPECT_EQ(ContestDatabase::öffnen(pfad).feldAnzahl(u"432MHz"_s), 14);
    logge(u"dl1abc jo62qm 59012"_s);
    EXPECT_EQ(band(u"432MHz"_s).size(), 1);
}

TEST_F(BandChoiceTest, ABandTheFileLacksIsReportedAndChangesNothing)
{
    settings.setBänder({u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s});
    EXPECT_FALSE(wahl.BandSetzen(u"10368MHz"_s));
    ASSERT_EQ(prompter.gezeigt().size(), 1);
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
    EXPECT_EQ(model.Band(), u"144MHz"_s);
    EXPECT_EQ(settings.letztesBand(), u"144MHz"_s);
}

} // namespace
} // namespace tarvex
