#include "contest/Infobox.h"
#include "contest/NewContestModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class ContestLifecycleTest : public test::ContestFixture {
protected:
    // A fresh logging model over the same settings, as at the next start.
    std::unique_ptr<ContestModel> neuerStart()
    {
        auto m = std::make_unique<ContestModel>(prompter, clock, keystrokes, lookup, settings);
        reopened = m->laden();
        return m;
    }
    bool reopened = false;
};

TEST_F(ContestLifecycleTest, RestartReopensContestBandAndScore)
{
    settings.setLetzterContest(u"TEST.MDB"_s);
    settings.setLetztesBand(u"432MHz"_s);
    model.bandWechseln(u"432MHz"_s);
    logge(u"DL1ABC JO62QM 59012"_s);
    settings.setRst(RstVorgabe::R599);
    settings.setZeitdifferenz(2);

    auto m = neuerStart();
    EXPECT_TRUE(reopened);
    EXPECT_EQ(m->UTC(), -2);
    // The station comes from PARAM.
    EXPECT_EQ((QStringList { m->Band(), m->lblBand(), m->fenstertitel(), m->spielstand().txtPunkte,
                  m->felder().txtNummer, m->felder().txtRSTgeg, m->lblCall(), m->felder().lblLocator }),
        (QStringList { u"432MHz"_s, u"432 MHz"_s, u"Contest  -  test.mdb"_s, u"531"_s, u"002"_s, u"599"_s,
            u"DL0XX"_s, u"JO31AA"_s }));
}

TEST_F(ContestLifecycleTest, MissingOrEmptyRememberedContestStartsWithoutOne)
{
    for (const char16_t* name : { u"WEG.MDB", u"LEER.MDB" }) {
        test::schreibeDatei(u"LEER.mdb"_s, {});
        settings.setLetzterContest(QString::fromUtf16(name));
        auto m = neuerStart();
        EXPECT_FALSE(reopened);
        EXPECT_FALSE(m->hatContest());
        EXPECT_EQ(m->fenstertitel(), u"Tarvex V3.0"_s);
    }
    EXPECT_TRUE(prompter.texte().isEmpty()); // no message
}

TEST_F(ContestLifecycleTest, StationFromSettingsUntilTheContestsParamOverrides)
{
    settings.setRufzeichen(u"DK9ZZ"_s);
    settings.setLocator(u"JN48AA"_s);
    settings.setLetzterContest(QString());
    auto ohne = neuerStart();
    EXPECT_EQ(ohne->lblCall(), u"DK9ZZ"_s);
    EXPECT_EQ(ohne->felder().lblLocator, u"JN48AA"_s);
    settings.setLetzterContest(u"TEST.MDB"_s);
    auto mit = neuerStart();
    EXPECT_EQ(mit->lblCall(), u"DL0XX"_s);
}

TEST_F(ContestLifecycleTest, MonthPresetInGermanCapitals)
{
    const struct {
        int monat;
        const char16_t* vorgabe;
    } cases[]
        = { { 1, u"JAN2027" }, { 3, u"MÄR2027" }, { 5, u"MAI2027" }, { 10, u"OKT2027" }, { 12, u"DEZ2027" } };
    for (const auto& c : cases)
        EXPECT_EQ(NewContestModel::monatsVorgabe(QDate(2027, c.monat, 1)), QString::fromUtf16(c.vorgabe));
}

TEST_F(ContestLifecycleTest, InfoBoxNamesContestAndStation)
{
    logge(u"DL1ABC JO62QM 59012"_s);
    const Meldung info = infoBox(model);
    EXPECT_EQ(info.titel, u"Tarvex"_s);
    EXPECT_TRUE(info.text.contains(u"TEST.MDB"_s));
    EXPECT_TRUE(info.text.contains(u"144 MHz"_s));
    EXPECT_TRUE(info.text.contains(u"QSOs auf diesem Band: 1"_s));
}

// Coming back to the logging window re-reads the score only when someone else
// wrote to the file: the model's own saves are counted already, a write from
// another window (an import, a QSL mark) is not.
TEST_F(ContestLifecycleTest, ReturningRereadsTheScoreOnlyAfterAWriteFromElsewhere)
{
    logge(u"DL1ABC JO62QM 59012"_s);
    model.Punkte();
    const auto stand = [&] {
        return QStringList { model.spielstand().txtNummer, model.spielstand().txtPunkte };
    };
    EXPECT_EQ(stand(), (QStringList { u"002"_s, u"531"_s }));

    QsoRecord fremd = band().front();
    fremd.nummer = 2;
    fremd.rufzeichen = u"OK1KKW"_s;
    fremd.kernCall = u"OK1KKW"_s;
    model.db()->qsosImportieren(u"144MHz"_s, { fremd });
    model.Punkte();
    EXPECT_EQ(stand(), (QStringList { u"003"_s, u"1062"_s }));

    // The QSL marks change no score: they leave the count as it is.
    const qint64 vorher = model.db()->änderungen();
    model.db()->qslMarkieren(u"144MHz"_s, u"*"_s, 0, QslAbfrage::Markierung::Setzen);
    model.db()->qslUmschalten(u"144MHz"_s, 1);
    EXPECT_EQ(model.db()->änderungen(), vorher);

    // A file closed and opened again starts its count afresh and is read again.
    model.schließen();
    model.öffnen(u"TEST.mdb"_s, u"144MHz"_s);
    EXPECT_EQ(model.spielstand().txtNummer, u"003"_s);
    logge(u"G4ABC IO91AA 59013"_s);
    model.Punkte();
    EXPECT_EQ(model.spielstand().txtNummer, u"004"_s);
}

} // namespace
} // namespace tarvex
