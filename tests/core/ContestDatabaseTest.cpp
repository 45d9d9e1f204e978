#include "common/UserError.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "common/TextFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <functional>
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

void anhängen(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(bytes);
}

void schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
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

// The file records every journal line with the journal's size after it. A crash
// before a commit leaves at most one line (or part of one) beyond the recorded
// end: opening cuts it. A power cut after commits may take lines from the text
// file: opening writes them again. Anything else is someone else's and stays.
TEST_F(ContestDatabaseTest, OpeningMendsTheJournalAfterACrash)
{
    const QByteArray zeile3 = "   04.12.26 14:07  G4XYZ          59 002  59 012  IO91AA    559 - 432 MHz\r\n";
    const struct {
        const char* fall;
        std::function<void(const QString&, const QByteArray&)> stören;
        bool gleichDenGespeicherten;  // afterwards the file holds exactly the saved lines
        const char16_t* meldung;      // nullptr: nothing to say
    } cases[] = {
        {"a whole line of a contact never stored",
         [&](const QString& j, const QByteArray&) { anhängen(j, zeile3); }, true, u"G4XYZ"},
        {"a line cut short", [](const QString& j, const QByteArray&) { anhängen(j, "   04.12.26 14:07  G4X"); },
         true, u"nicht fertig geschrieben"},
        {"the last two lines lost", [](const QString& j, const QByteArray& s) { schreiben(j, s.left(s.indexOf("\n") + 1)); },
         true, u"2 Zeilen"},
        {"the last line lost half way", [](const QString& j, const QByteArray& s) { schreiben(j, s.chopped(7)); },
         true, u"1 Zeilen"},
        {"the whole file lost", [](const QString& j, const QByteArray&) { QFile::remove(j); }, true, u"3 Zeilen"},
        {"two lines written by someone else", [](const QString& j, const QByteArray&) { anhängen(j, "eins\r\nzwei\r\n"); },
         false, nullptr},
        {"nothing", [](const QString&, const QByteArray&) {}, true, nullptr},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        const QString pfad = u"J%1.mdb"_s.arg(++n);
        const QString journal = journalPfad(pfad);
        {
            auto db = ContestDatabase::anlegen(pfad, {u"144MHz"_s, u"432MHz"_s}, kStation);
            db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"   erste"_s);
            db.qsoSpeichern(u"432MHz"_s, qso(1, u"OK1ABC"_s), u"   zweite Zeile"_s);
            db.qsoSpeichern(u"144MHz"_s, qso(2, u"OE3ABC"_s), u"   dritte"_s);
        }
        const QByteArray gespeichert = test::dateiInhalt(journal);
        c.stören(journal, gespeichert);
        const QByteArray gestört = test::dateiInhalt(journal);

        auto db = ContestDatabase::öffnen(pfad);
        const std::optional<QString> meldung = db.journalAbgleichen();
        EXPECT_EQ(test::dateiInhalt(journal), c.gleichDenGespeicherten ? gespeichert : gestört);
        ASSERT_EQ(meldung.has_value(), c.meldung != nullptr);
        if (meldung) {
            EXPECT_TRUE(meldung->contains(QString::fromUtf16(c.meldung))) << meldung->toStdString();
        }
        // Whatever stayed is taken as it is: the next save goes on after it, and
        // opening again finds nothing to mend.
        db.qsoSpeichern(u"144MHz"_s, qso(3, u"DK2XY"_s), u"   vierte"_s);
        EXPECT_FALSE(ContestDatabase::öffnen(pfad).journalAbgleichen().has_value());
        EXPECT_TRUE(test::dateiInhalt(journal).endsWith("   vierte\r\n"));
    }
}

TEST_F(ContestDatabaseTest, StoredFieldsNeverExceedTheirWidths)
{
    auto db = ContestDatabase::anlegen(u"W.mdb"_s, {u"144MHz"_s}, kStation);
    QsoRecord q = qso(1, u"OE/DL1ABCDEFGHIJ/P"_s);
    q.kernCall = u"COMMENT-CALL-15"_s;
    q.kommentar = u"viel zu langer Kommentar"_s;
    const qint64 rowid = db.qsoSpeichern(u"144MHz"_s, q, u"x"_s);
    QsoRecord gespeichert = db.qso(u"144MHz"_s, rowid);
    EXPECT_EQ(gespeichert.rufzeichen, u"OE/DL1ABCDEFGHI"_s);
    EXPECT_EQ(gespeichert.kernCall, u"COMMENT-C"_s);
    EXPECT_EQ(gespeichert.kommentar, u"viel zu lang"_s);
    gespeichert.rufzeichen = u"1234567890123456789"_s;
    db.qsoÄndern(u"144MHz"_s, rowid, gespeichert);
    EXPECT_EQ(db.qso(u"144MHz"_s, rowid).rufzeichen.size(), 15);
}

TEST_F(ContestDatabaseTest, EarlierContactsCompareTextNotPatterns)
{
    auto db = ContestDatabase::anlegen(u"E.mdb"_s, {u"144MHz"_s}, kStation);
    QsoRecord stern = qso(1, u"AB*"_s);
    stern.locator = u"JO31AA"_s;
    db.qsoSpeichern(u"144MHz"_s, stern, u"x"_s);
    db.qsoSpeichern(u"144MHz"_s, qso(2, u"ABC"_s), u"x"_s);
    db.qsoSpeichern(u"144MHz"_s, qso(3, u"DL1ABC"_s), u"x"_s);
    db.qsoSpeichern(u"144MHz"_s, qso(4, u"DL1ABC"_s, u"-----"_s), u"x"_s);
    const auto calls = [&](const QString& kern, const QString& locator) {
        QStringList result;
        for (const LogZeile& z : db.frühere(u"144MHz"_s, kern, locator))
            result.append(z.werte.value(3).toString());
        return result;
    };
    EXPECT_EQ(calls(u"AB*"_s, u""_s), QStringList{u"AB*"_s});
    EXPECT_EQ(calls(u"dl1abc"_s, u""_s), QStringList{u"DL1ABC"_s}) << "without regard to case, valid ones only";
    EXPECT_EQ(calls(u"XX9XX"_s, u"jo62ab"_s), (QStringList{u"ABC"_s, u"DL1ABC"_s}));
    // By call or by locator, in stored order, a contact matching both listed once.
    EXPECT_EQ(calls(u"DL1ABC"_s, u"JO31AA"_s), (QStringList{u"AB*"_s, u"DL1ABC"_s}));
    EXPECT_EQ(calls(u"DL1ABC"_s, u"JO62AB"_s), (QStringList{u"ABC"_s, u"DL1ABC"_s}));
}

TEST_F(ContestDatabaseTest, DeletingOnlyTheLastContact)
{
    auto db = ContestDatabase::anlegen(u"D.mdb"_s, {u"144MHz"_s}, kStation);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 1), ContestDatabase::Löschen::KeinDatensatz);
    db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"x"_s);
    db.qsoSpeichern(u"144MHz"_s, qso(2, u"G4XYZ"_s), u"x"_s);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 1), ContestDatabase::Löschen::NichtDerLetzte);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 2), ContestDatabase::Löschen::Gelöscht);
    EXPECT_EQ(db.rowids(u"144MHz"_s), QList<qint64>{1});
    db.ungültigErklären(u"144MHz"_s, 1);
    const QsoRecord q = db.qso(u"144MHz"_s, 1);
    EXPECT_EQ(q.punkte, u"-----"_s);
    EXPECT_EQ(q.square, u" "_s);
    EXPECT_EQ(q.land, u" "_s);
    EXPECT_EQ(q.rufzeichen, u"DL1ABC"_s);
}

// A closed contest is one complete file: the write-ahead log is folded back.
TEST_F(ContestDatabaseTest, ClosingLeavesOneCompleteFile)
{
    {
        auto db = ContestDatabase::anlegen(u"C.mdb"_s, {u"144MHz"_s}, kStation);
        db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"x"_s);
        EXPECT_TRUE(QFile::exists(u"C.mdb-wal"_s));
    }
    EXPECT_FALSE(QFile::exists(u"C.mdb-wal"_s));
    EXPECT_FALSE(QFile::exists(u"C.mdb-shm"_s));
    ASSERT_TRUE(QFile::copy(u"C.mdb"_s, u"KOPIE.mdb"_s));
    EXPECT_EQ(ContestDatabase::öffnen(u"KOPIE.mdb"_s).qsos(u"144MHz"_s).size(), 1);
}

TEST_F(ContestDatabaseTest, AForeignFileWithAWriteAheadLogStaysAsItWas)
{
    {
        Connection schreiber(u"quelle.db"_s, Connection::Zugriff::Anlegen);
        schreiber.exec(u"PRAGMA journal_mode=WAL"_s);
        schreiber.exec(u"PRAGMA wal_autocheckpoint=0"_s);
        schreiber.exec(u"CREATE TABLE kunden(name TEXT)"_s);
        schreiber.exec(u"INSERT INTO kunden VALUES('Meier')"_s);
        // Copied while its program runs: the data is still in the -wal file.
        ASSERT_TRUE(QFile::copy(u"quelle.db"_s, u"fremd.mdb"_s));
        ASSERT_TRUE(QFile::copy(u"quelle.db-wal"_s, u"fremd.mdb-wal"_s));
    }
    const QByteArray datei = test::dateiInhalt(u"fremd.mdb"_s);
    const QByteArray wal = test::dateiInhalt(u"fremd.mdb-wal"_s);
    EXPECT_THROW(ContestDatabase::öffnen(u"fremd.mdb"_s), UserError);
    EXPECT_EQ(test::dateiInhalt(u"fremd.mdb"_s), datei);
    EXPECT_EQ(test::dateiInhalt(u"fremd.mdb-wal"_s), wal);
}

TEST_F(ContestDatabaseTest, AFileAnotherProgramHoldsIsReportedAsBusy)
{
    alteDatei(u"BUSY.mdb"_s, 14);
    Connection anderes(u"BUSY.mdb"_s, Connection::Zugriff::LesenSchreiben);
    anderes.exec(u"BEGIN EXCLUSIVE"_s);
    const QByteArray vorher = test::dateiInhalt(u"BUSY.mdb"_s);
    try {
        ContestDatabase::öffnen(u"BUSY.mdb"_s);
        ADD_FAILURE() << "opened a locked file";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.meldung().contains(u"von einem anderen Programm benutzt"_s)) << e.meldung().toStdString();
    }
    anderes.exec(u"ROLLBACK"_s);
    EXPECT_EQ(test::dateiInhalt(u"BUSY.mdb"_s), vorher);
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
