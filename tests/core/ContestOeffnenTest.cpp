#include "contest/ContestOeffnen.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QDir>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class ContestÖffnenTest : public test::ContestFixture {
protected:
    ContestÖffnenTest()
    {
        QDir().mkdir(u"LOGS"_s);
        // Keys of the contest open before, which opening must replace.
        settings.setBänder({ u"144MHz"_s, u"1296MHz"_s, u"24192MHz"_s });
        settings.setLetzterContest(u"TEST.MDB"_s);
        settings.setLetztesBand(u"144MHz"_s);
    }

    // Every key of the section Bänder that holds a value, as "Band7=10368MHz",
    // in band-list order (50 MHz first).
    QStringList bandSchlüssel() const
    {
        QStringList result;
        for (const BandInfo& b : alleBänder()) {
            const QString wert = settings.lesen(u"Bänder"_s, b.schlüssel);
            if (!wert.isEmpty())
                result.append(b.schlüssel + u'=' + wert);
        }
        return result;
    }
};

TEST_F(ContestÖffnenTest, BandKeysAndCurrentBandComeFromTheFilesTables)
{
    const struct {
        QStringList tabellen;
        QStringList schlüssel;
        const char16_t* aktuell;
    } cases[] = {
        { { u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s },
            { u"Band1=144MHz"_s, u"Band2=432MHz"_s, u"Band7=10368MHz"_s }, u"10368MHz" },
        { { u"47088MHz"_s }, { u"Band9=47088MHz"_s }, u"47088MHz" },
        { { u"144MHz"_s, u"76032MHz"_s }, { u"Band1=144MHz"_s, u"Band10=76032MHz"_s }, u"144MHz" },
        // "432MHz" sorts before "50MHz" by name.
        { { u"50MHz"_s, u"432MHz"_s }, { u"Band11=50MHz"_s, u"Band2=432MHz"_s }, u"432MHz" },
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString pfad = dir.pfad(u"LOGS/C%1.mdb"_s.arg(++n));
        ContestDatabase::anlegen(pfad, c.tabellen, { u"DL0XX"_s, u"JO31AA"_s });
        ASSERT_TRUE(contestÖffnen(model, prompter, pfad)) << prompter.texte().join(u'|').toStdString();
        const QString aktuell = QString::fromUtf16(c.aktuell);
        EXPECT_EQ(bandSchlüssel(), c.schlüssel) << pfad.toStdString();
        EXPECT_EQ((QStringList { model.Band(), model.Datenbank(), model.fenstertitel(),
                      settings.letzterContest(), settings.letztesBand() }),
            (QStringList { aktuell, pfad, u"Contest  -  "_s + pfad.toLower(), pfad, aktuell }));
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

TEST_F(ContestÖffnenTest, OldContestsOpenUpgradedWithTmpAndParam)
{
    const struct {
        int felderErstesBand;
        bool mitParam;
        const char16_t* call;
        const char16_t* locator;
    } cases[] = {
        // Without PARAM the station shown before opening is written into it.
        { 12, false, u"DL0XX", u"JO31AA" },
        { 13, false, u"DL0XX", u"JO31AA" },
        // With PARAM the file's station replaces the one shown.
        { 12, true, u"DK9ZZ", u"JN48AA" },
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString pfad = dir.pfad(u"LOGS/ALT%1.mdb"_s.arg(++n));
        test::schreibeAltenContest(pfad, { { u"144MHz"_s, c.felderErstesBand }, { u"432MHz"_s, 12 } });
        {
            Connection alt(pfad, Connection::Zugriff::LesenSchreiben);
            alt.exec(u"INSERT INTO \"144MHz\"(Nummer,Rufzeichen,Punkte,Land,Square) "
                     u"VALUES(1,'DL1ABC','531','Deutschland','JO62')"_s);
            if (c.mitParam) {
                alt.exec(u"CREATE TABLE PARAM([Call] TEXT(15),[Locator] TEXT(6))"_s);
                alt.exec(u"INSERT INTO PARAM VALUES('DK9ZZ','JN48AA')"_s);
            }
        }
        model.setEigeneStation(u"DL0XX"_s, u"JO31AA"_s);

        ASSERT_TRUE(contestÖffnen(model, prompter, pfad)) << prompter.texte().join(u'|').toStdString();
        EXPECT_EQ((QStringList { model.Band(), model.lblCall(), f().lblLocator, f().txtNummer,
                      model.spielstand().txtPunkte }),
            (QStringList { u"144MHz"_s, QString::fromUtf16(c.call), QString::fromUtf16(c.locator), u"002"_s,
                u"531"_s }));

        ContestDatabase db = ContestDatabase::öffnen(pfad);
        EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), 14);
        EXPECT_EQ(db.feldAnzahl(u"432MHz"_s), 12) << "a band that did not become current stays as it was";
        EXPECT_EQ(db.feldAnzahl(u"TMP"_s), 3);
        ASSERT_TRUE(db.parameter().has_value());
        EXPECT_EQ(db.parameter()->call, QString::fromUtf16(c.call));
        // A PARAM already there is kept as it is, not given a second row.
        EXPECT_EQ(
            Connection(pfad, Connection::Zugriff::NurLesen).scalar(u"SELECT count(*) FROM PARAM"_s).toInt(),
            1);
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // The upgraded table takes a contact as it is saved now; another band is
    // upgraded when it becomes current.
    logge(u"dk2xy jo62qm 59003"_s);
    EXPECT_EQ(band().size(), 2);
    model.bandWechseln(u"432MHz"_s);
    EXPECT_EQ(model.db()->feldAnzahl(u"432MHz"_s), 14);
}

TEST_F(ContestÖffnenTest, AFileThatIsNoContestChangesNothing)
{
    // One of our files, but without a single band table; the files the store
    // itself refuses are ContestDatabaseTest's.
    ContestDatabase::anlegen(u"LOGS/LEER.mdb"_s, {}, { u"DL0XX"_s, u"JO31AA"_s });

    for (const QString& name : { u"LOGS/LEER.mdb"_s, u"LOGS/FEHLT.mdb"_s }) {
        prompter.vergiss();
        const QByteArray vorher = test::dateiInhalt(name);
        EXPECT_FALSE(contestÖffnen(model, prompter, dir.pfad(name)));
        SCOPED_TRACE(name.toStdString());
        const Meldung m = prompter.einzige();
        EXPECT_EQ(m.titel, u"Fehler"_s);
        EXPECT_TRUE(m.text.contains(name.mid(5))) << m.text.toStdString();
        EXPECT_EQ(test::dateiInhalt(name), vorher);

        EXPECT_EQ(model.Datenbank(), u"TEST.MDB"_s);
        EXPECT_EQ(model.Band(), u"144MHz"_s);
        EXPECT_EQ(
            bandSchlüssel(), (QStringList { u"Band1=144MHz"_s, u"Band3=1296MHz"_s, u"Band8=24192MHz"_s }));
        EXPECT_EQ(settings.letzterContest(), u"TEST.MDB"_s);
    }
    // The open contest still logs.
    logge(u"dl1abc jo62qm 59012"_s);
    EXPECT_EQ(band().size(), 1);
}

} // namespace
} // namespace tarvex
