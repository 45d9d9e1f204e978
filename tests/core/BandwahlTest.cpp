#include "contest/Bandwahl.h"
#include "contest/ContestOeffnen.h"
#include "support/ContestFixture.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class BandwahlTest : public test::ContestFixture {
protected:
    BandwahlTest()
    {
        // Opened through the open dialog, so Bänder and lastContest describe TEST.mdb.
        contestÖffnen(model, prompter, dir.pfad(u"TEST.mdb"_s));
    }

    Bandwahl wahl { model, prompter };
};

TEST_F(BandwahlTest, ButtonsFollowTheKeysOfBänder)
{
    const auto aktiv = [&] {
        QStringList result;
        for (const BandKnopf& k : Bandwahl::knöpfe(settings)) {
            if (k.aktiv)
                result.append(k.name);
        }
        return result;
    };
    // 50 MHz is the last button, shown only when the contest has the band.
    const struct {
        QStringList bänder;
        QStringList aktiv;
        bool fünfzig;
    } cases[] = {
        { { u"144MHz"_s, u"10368MHz"_s }, { u"cmd144MHz"_s, u"cmd10368MHz"_s }, false },
        { { u"50MHz"_s, u"432MHz"_s }, { u"cmd432MHz"_s, u"cmd50MHz"_s }, true },
        { { u"47088MHz"_s, u"76032MHz"_s }, { u"cmd47088MHz"_s, u"cmd76032MHz"_s }, false },
        { {}, {}, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bänder.join(u',').toStdString());
        settings.setBänder(c.bänder);
        EXPECT_EQ(aktiv(), c.aktiv);
        EXPECT_EQ(Bandwahl::knöpfe(settings).last().sichtbar, c.fünfzig);
    }

    // Only the key's presence counts, not its value.
    settings.schreiben(u"Bänder"_s, u"Band5"_s, u"irgendwas"_s);
    EXPECT_EQ(aktiv(), QStringList { u"cmd3400MHz"_s });
}

TEST_F(BandwahlTest, YesCarriesTheLastStationOverToTheNewBand)
{
    logge(u"dl1abc jo62qm 59012"_s);
    prompter.vergiss();

    prompter.antworte(Meldung::Antwort::Ja);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    const Meldung m = prompter.einzige();
    EXPECT_TRUE(m.text.contains(u"übernommen"_s));
    EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::JaNein);
    EXPECT_EQ(m.standard, Meldung::Antwort::Ja);

    EXPECT_EQ(model.Band(), u"432MHz"_s);
    EXPECT_EQ(settings.letztesBand(), u"432MHz"_s);
    EXPECT_EQ(model.logList().rowCount(), 0);
    EXPECT_EQ(f().txtNummer, u"001"_s);
    // Filled and evaluated as if typed: distance, bearing and the look-up.
    EXPECT_EQ((QStringList { f().txtCall, f().txtLocator, f().txtQRB, f().txtWinkel, f().lblLand }),
        (QStringList { u"DL1ABC"_s, u"JO62QM"_s, u"531"_s, u"69"_s, u"Deutschland"_s }));
    EXPECT_TRUE(f().lblInfo.startsWith(u"Info: (Hans"_s)) << f().lblInfo.toStdString();

    // Completing the report saves the station on the new band.
    logge(u"59007"_s);
    ASSERT_EQ(band(u"432MHz"_s).size(), 1);
    EXPECT_EQ(band(u"432MHz"_s)[0].rufzeichen, u"DL1ABC"_s);
}

TEST_F(BandwahlTest, NoIsAnsweredOnceUntilTheNextContact)
{
    logge(u"dl1abc jo62qm 59012"_s);
    prompter.vergiss();

    prompter.antworte(Meldung::Antwort::Nein);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    EXPECT_EQ(prompter.gezeigt().size(), 1);
    EXPECT_TRUE(f().txtCall.isEmpty() && f().txtLocator.isEmpty());

    ASSERT_TRUE(wahl.BandSetzen(u"144MHz"_s));
    EXPECT_EQ(prompter.gezeigt().size(), 1) << "not asked again without a new contact";
    EXPECT_EQ(f().txtNummer, u"002"_s);

    logge(u"dk2xy jo62qm 59003"_s);
    ASSERT_TRUE(wahl.BandSetzen(u"432MHz"_s));
    EXPECT_EQ(prompter.gezeigt().size(), 2);
}

TEST_F(BandwahlTest, ABandTheFileLacksIsReportedAndChangesNothing)
{
    settings.setBänder({ u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s });
    EXPECT_FALSE(wahl.BandSetzen(u"10368MHz"_s));
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(text.contains(u"keine Tabelle"_s)) << text.toStdString();
    EXPECT_EQ(model.Band(), u"144MHz"_s);
    EXPECT_EQ(settings.letztesBand(), u"144MHz"_s);
}

} // namespace
} // namespace tarvex
