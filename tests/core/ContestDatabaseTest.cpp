#include "common/UserError.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "common/TextFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const StationParameter kStation{u"DL0XX"_s, u"JO31AA"_s};

QsoRecord qso(int nummer, const QString& call, const QString& punkte = u"523"_s)
{
    QsoRecord q;
    q.nummer = nummer;
    q.datum = u"04.12.26"_s;
    q.zeit = u"14:05"_s;
    q.rufzeichen = call;
    q.rstGeg = u"59001"_s;
    q.rstErh = u"59012"_s;
    q.locator = u"JO62AB"_s;
    q.punkte = punkte;
    q.winkel = u"87"_s;
    q.kernCall = call;
    q.square = u"JO62"_s;
    q.land = u"Deutschland"_s;
    q.kommentar = u" "_s;
    q.qsl = true;
    return q;
}

class ContestDatabaseTest : public ::testing::Test {
protected:
    test::WorkDir dir;
};

TEST_F(ContestDatabaseTest, NewContestHasBandTablesWithFourteenFieldsTmpAndParam)
{
    auto db = ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s, u"1296MHz"_s}, kStation);
    EXPECT_EQ(db.tabellen(), (QStringList{u"1296MHz"_s, u"144MHz"_s, u"JOURNAL"_s, u"PARAM"_s, u"TMP"_s}));
    EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), 14);
    EXPECT_EQ(db.feldAnzahl(u"TMP"_s), 3);
    EXPECT_EQ(db.spalten(u"144MHz"_s), (QStringList{u"Nummer"_s, u"Datum"_s, u"Zeit"_s, u"Rufzeichen"_s, u"RST geg"_s,
                                  u"RST erh"_s, u"Locator"_s, u"Punkte"_s, u"Winkel"_s, u"KernCall"_s,
                                  u"Square"_s, u"Land"_s, u"Kommentar"_s, u"QSL"_s}));
    ASSERT_TRUE(db.parameter().has_value());
    EXPECT_EQ(db.parameter()->call, u"DL0XX"_s);
    EXPECT_EQ(db.parameter()->locator, u"JO31AA"_s);
}

TEST_F(ContestDatabaseTest, FiftyMegahertzOnlyContest)
{
    auto db = ContestDatabase::anlegen(u"SIX.mdb"_s, {u"50MHz"_s}, kStation);
    EXPECT_EQ(db.bandTabellen(), QStringList{u"50MHz"_s});
}

TEST_F(ContestDatabaseTest, BandTablesSortByNameBeforeOtherTables)
{
    auto db = ContestDatabase::anlegen(u"T.mdb"_s, {u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s}, kStation);
    EXPECT_EQ(db.tabellen().first(), u"10368MHz"_s);
    EXPECT_EQ(db.bandTabellen(), (QStringList{u"10368MHz"_s, u"144MHz"_s, u"432MHz"_s}));
}

TEST_F(ContestDatabaseTest, CreatedAsTypedReferredToInCapitals)
{
    ContestDatabase::anlegen(u"Test.mdb"_s, {u"144MHz"_s}, kStation);
    EXPECT_TRUE(existsCaseInsensitive(u"TEST.MDB"_s));
    EXPECT_EQ(resolveCaseInsensitive(dir.pfad(u"TEST.MDB"_s)), dir.pfad(u"Test.mdb"_s));
    EXPECT_EQ(journalPfad(u"TEST.MDB"_s), u"TEST.txt"_s);
    auto db = ContestDatabase::öffnen(u"TEST.MDB"_s);
    EXPECT_EQ(db.bandTabellen(), QStringList{u"144MHz"_s});
    // A second contest of the same name in other letters is refused.
    EXPECT_THROW(ContestDatabase::anlegen(u"TEST.MDB"_s, {u"144MHz"_s}, kStation), UserError);
}

TEST_F(ContestDatabaseTest, ContactsComeBackInInsertionOrderWithQuotesVerbatim)
{
    auto db = ContestDatabase::anlegen(u"Q.mdb"_s, {u"144MHz"_s}, kStation);
    QsoRecord a = qso(1, u"DL1ABC"_s);
    a.kommentar = u"it's \"ok\""_s;
    const QsoRecord b = qso(2, u"O'NEIL"_s, u"-----"_s);
    const QsoRecord c = qso(3, u"G4XYZ"_s);
    for (const QsoRecord& q : {a, b, c})
        db.qsoSpeichern(u"144MHz"_s, q, q.rufzeichen);
    EXPECT_EQ(db.qsos(u"144MHz"_s), (QList<QsoRecord>{a, b, c}));
    EXPECT_EQ(readTextLines(u"Q.txt"_s), (QStringList{u"DL1ABC"_s, u"O'NEIL"_s, u"G4XYZ"_s}));
    const auto rowids = [&](const QList<LogZeile>& zeilen) {
        QList<qint64> ids;
        for (const LogZeile& z : zeilen)
            ids.append(z.rowid);
        return ids;
    };
    EXPECT_EQ(rowids(db.suchen(u"144MHz"_s, u"O'*"_s)), QList<qint64>{2});
    EXPECT_EQ(db.suchen(u"144MHz"_s, u"*'"_s).size(), 0);
    EXPECT_EQ(db.suchen(u"144MHz"_s, u"JO6#*"_s).size(), 3); // matches the locator column
    EXPECT_EQ(rowids(db.zeilen(u"144MHz"_s, 2, 3)), (QList<qint64>{2, 3}));
    EXPECT_EQ(db.rowids(u"144MHz"_s), (QList<qint64>{1, 2, 3}));
}

TEST_F(ContestDatabaseTest, OnlyBandTablesReachSql)
{
    auto db = ContestDatabase::anlegen(u"B.mdb"_s, {u"144MHz"_s}, kStation);
    EXPECT_THROW(db.qsos(u"144MHz\"; DROP TABLE PARAM; --"_s), UserError);
    EXPECT_EQ(db.tabellen().size(), 4);
}

// Old contests: band tables with 12 or 13 fields, no TMP and PARAM.
void alteDatei(const QString& pfad, int felder)
{
    Connection c(pfad, Connection::Zugriff::Anlegen);
    for (const char16_t* band : {u"144MHz", u"432MHz"}) {
        QStringList spalten;
        for (int i = 0; i < felder; ++i)
            spalten.append(quoteIdentifier(QString::fromUtf16(kBandFelder[i].name)) + u" TEXT");
        c.exec(u"CREATE TABLE "_s + quoteIdentifier(QString::fromUtf16(band)) + u'(' + spalten.join(u',') + u')');
    }
}

TEST_F(ContestDatabaseTest, UpgradesOfOldBandTables)
{
    const struct {
        int felder;
        ContestDatabase::Aufrüstung art;
        int danach;
    } cases[] = {
        {12, ContestDatabase::Aufrüstung::KommentarUndQsl, 14},
        {13, ContestDatabase::Aufrüstung::KommentarUndQsl, 14},
        {12, ContestDatabase::Aufrüstung::NurKommentar, 13},
        {13, ContestDatabase::Aufrüstung::NurKommentar, 13},
        {14, ContestDatabase::Aufrüstung::KommentarUndQsl, 14},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString pfad = u"OLD%1.mdb"_s.arg(++n);
        alteDatei(pfad, c.felder);
        auto db = ContestDatabase::öffnen(pfad);
        db.bandTabelleAufrüsten(u"144MHz"_s, c.art);
        EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), c.danach) << c.felder;
        EXPECT_EQ(db.feldAnzahl(u"432MHz"_s), c.felder) << "tables that do not become current stay";
    }
}

TEST_F(ContestDatabaseTest, OldContestGetsTmpAndParamOnce)
{
    alteDatei(u"OLD.mdb"_s, 12);
    auto db = ContestDatabase::öffnen(u"OLD.MDB"_s);
    EXPECT_TRUE(db.hilfstabellenSicherstellen(kStation));
    EXPECT_FALSE(db.hilfstabellenSicherstellen(StationParameter{u"XX"_s, u"AA00AA"_s}));
    EXPECT_EQ(db.parameter()->call, u"DL0XX"_s);
    EXPECT_EQ(Connection(u"OLD.mdb"_s, Connection::Zugriff::NurLesen).scalar(u"SELECT count(*) FROM PARAM"_s).toInt(), 1);
    EXPECT_EQ(db.feldAnzahl(u"TMP"_s), 3);
}

TEST_F(ContestDatabaseTest, ForeignOrDamagedFilesAreRefusedAndLeftUntouched)
{
    {
        Connection other(u"other.mdb"_s, Connection::Zugriff::Anlegen);
        other.exec(u"CREATE TABLE kunden(name TEXT)"_s);
    }
    {
        Connection foreignApp(u"app.mdb"_s, Connection::Zugriff::Anlegen);
        foreignApp.exec(u"PRAGMA application_id=42"_s);
        foreignApp.exec(u"CREATE TABLE \"144MHz\"(x TEXT)"_s);
    }
    ContestDatabase::anlegen(u"good.mdb"_s, {u"144MHz"_s}, kStation);
    QByteArray damaged = test::dateiInhalt(u"good.mdb"_s);
    damaged.truncate(damaged.size() / 2 + 10);
    damaged.replace(200, 3000, QByteArray(3000, '\x5a'));
    const struct {
        const char16_t* name;
        QByteArray inhalt; // empty: file exists already
    } cases[] = {
        {u"text.mdb", QByteArrayLiteral("Dies ist keine Datenbank\r\n")},
        {u"empty.mdb", QByteArray("")},
        {u"broken.mdb", damaged},
        {u"other.mdb", {}},
        {u"app.mdb", {}},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        if (!c.inhalt.isNull()) {
            QFile f(name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.inhalt);
        }
        const QByteArray before = test::dateiInhalt(name);
        try {
            ContestDatabase::öffnen(name);
            ADD_FAILURE() << "opened " << name.toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().contains(u"keine Contest-Datenbank"_s)) << e.meldung().toStdString();
            EXPECT_TRUE(e.meldung().contains(name)) << e.meldung().toStdString();
        }
        EXPECT_EQ(test::dateiInhalt(name), before) << name.toStdString();
    }
}

TEST_F(ContestDatabaseTest, MissingContestIsAGermanMessage)
{
    try {
        ContestDatabase::öffnen(u"NIRGENDS.MDB"_s);
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.meldung().contains(u"wurde nicht gefunden"_s));
    }
}

TEST(BandList, DisplayAndKeys)
{
    EXPECT_EQ(bandAnzeige(u"144MHz"_s), u"144 MHz"_s);
    EXPECT_EQ(bandAnzeige(u"10368MHz"_s), u"10368 MHz"_s);
    EXPECT_EQ(bandAnzeige(u"24192 MHz"_s), u"24192 MHz"_s);
    EXPECT_EQ(alleBänder().front().tabelle, u"50MHz"_s);
    EXPECT_EQ(findeBand(u"50MHz")->schlüssel, u"Band11"_s);
    EXPECT_EQ(findeBand(u"10368MHz")->schlüssel, u"Band7"_s);
    EXPECT_EQ(findeBand(u"TMP"), nullptr);
}

} // namespace
} // namespace tarvex
