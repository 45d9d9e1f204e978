#include "store/ContestDatabase.h"
#include "common/Cp1252.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "store/FilePaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const StationParameter kStation { u"DL0XX"_s, u"JO31AA"_s };

QsoRecord qso(int nummer, const QString& call, const QString& punkte = u"523"_s)
{
    return { nummer, u"04.12.26"_s, u"14:05"_s, call, u"59001"_s, u"59012"_s, u"JO62AB"_s, punkte, u"87"_s,
        call, u"JO62"_s, u"Deutschland"_s, u" "_s, true };
}

class ContestDatabaseTest : public ::testing::Test {
protected:
    test::WorkDir dir;
};

TEST_F(ContestDatabaseTest, NewContestHasBandTablesSortedByNameTmpAndParam)
{
    auto db = ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s }, kStation);
    EXPECT_EQ(db.tabellen(),
        (QStringList { u"10368MHz"_s, u"144MHz"_s, u"432MHz"_s, u"JOURNAL"_s, u"PARAM"_s, u"TMP"_s }));
    EXPECT_EQ(db.bandTabellen(), (QStringList { u"10368MHz"_s, u"144MHz"_s, u"432MHz"_s }));
    EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), 14);
    EXPECT_EQ(db.feldAnzahl(u"TMP"_s), 3);
    ASSERT_TRUE(db.parameter().has_value());
    EXPECT_EQ(db.parameter()->call, u"DL0XX"_s);
    EXPECT_EQ(db.parameter()->locator, u"JO31AA"_s);
}

TEST_F(ContestDatabaseTest, CreatedAsTypedReferredToInCapitals)
{
    ContestDatabase::anlegen(u"Test.mdb"_s, { u"144MHz"_s }, kStation);
    EXPECT_TRUE(existsCaseInsensitive(u"TEST.MDB"_s));
    EXPECT_EQ(resolveCaseInsensitive(dir.pfad(u"TEST.MDB"_s)), dir.pfad(u"Test.mdb"_s));
    EXPECT_EQ(journalPfad(u"TEST.MDB"_s), u"TEST.txt"_s);
    EXPECT_EQ(ContestDatabase::öffnen(u"TEST.MDB"_s).bandTabellen(), QStringList { u"144MHz"_s });
    // A second contest of the same name in other letters is refused.
    EXPECT_THROW(ContestDatabase::anlegen(u"TEST.MDB"_s, { u"144MHz"_s }, kStation), UserError);
}

TEST_F(ContestDatabaseTest, ContactsComeBackInInsertionOrderWithQuotesVerbatim)
{
    auto db = ContestDatabase::anlegen(u"Q.mdb"_s, { u"144MHz"_s }, kStation);
    QsoRecord a = qso(1, u"DL1ABC"_s);
    a.kommentar = u"it's \"ok\""_s;
    const QsoRecord b = qso(2, u"O'NEIL"_s, u"-----"_s);
    const QsoRecord c = qso(3, u"G4XYZ"_s);
    for (const QsoRecord& q : { a, b, c })
        db.qsoSpeichern(u"144MHz"_s, q, q.rufzeichen);
    EXPECT_EQ(db.qsos(u"144MHz"_s), (QList<QsoRecord> { a, b, c }));
    EXPECT_EQ(readTextLines(u"Q.txt"_s), (QStringList { u"DL1ABC"_s, u"O'NEIL"_s, u"G4XYZ"_s }));
    const auto rowids = [&](const QList<LogZeile>& zeilen) {
        QList<qint64> ids;
        for (const LogZeile& z : zeilen)
            ids.append(z.rowid);
        return ids;
    };
    EXPECT_EQ(rowids(db.suchen(u"144MHz"_s, u"O'*"_s)), QList<qint64> { 2 });
    EXPECT_EQ(db.suchen(u"144MHz"_s, u"*'"_s).size(), 0);
    EXPECT_EQ(db.suchen(u"144MHz"_s, u"JO6#*"_s).size(), 3); // matches the locator column
    EXPECT_EQ(rowids(db.zeilen(u"144MHz"_s, 2, 3)), (QList<qint64> { 2, 3 }));
    EXPECT_EQ(db.rowids(u"144MHz"_s), (QList<qint64> { 1, 2, 3 }));
}

TEST_F(ContestDatabaseTest, UpgradesOfOldBandTables)
{
    const struct {
        int felder;
        int danach;
    } cases[] = {
        { 12, 14 },
        { 13, 14 },
        { 14, 14 },
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.felder);
        const QString pfad = u"OLD%1.mdb"_s.arg(++n);
        test::schreibeAltenContest(pfad, { { u"144MHz"_s, c.felder }, { u"432MHz"_s, c.felder } });
        auto db = ContestDatabase::öffnen(pfad);
        db.bandTabelleAufrüsten(u"144MHz"_s);
        EXPECT_EQ(db.feldAnzahl(u"144MHz"_s), c.danach);
        EXPECT_EQ(db.feldAnzahl(u"432MHz"_s), c.felder) << "tables that do not become current stay";
    }
}

// Whatever is not a contest we can use is refused with a German message naming
// it, and stays byte for byte as it was, its header's journal mode and its
// write-ahead log included; a refused file gets no -wal or -shm beside it.
TEST_F(ContestDatabaseTest, UnusableFilesAreRefusedAndLeftUntouched)
{
    {
        Connection other(u"other.mdb"_s, Connection::Zugriff::Anlegen);
        other.exec(u"CREATE TABLE kunden(name TEXT)"_s);
        Connection foreignApp(u"app.mdb"_s, Connection::Zugriff::Anlegen);
        foreignApp.exec(u"PRAGMA application_id=42"_s);
        foreignApp.exec(u"CREATE TABLE \"144MHz\"(x TEXT)"_s);
        Connection schreiber(u"quelle.db"_s, Connection::Zugriff::Anlegen);
        schreiber.exec(u"PRAGMA journal_mode=WAL"_s);
        schreiber.exec(u"PRAGMA wal_autocheckpoint=0"_s);
        schreiber.exec(u"CREATE TABLE kunden(name TEXT)"_s);
        schreiber.exec(u"INSERT INTO kunden VALUES('Meier')"_s);
        // Copied while its program runs: the data is still in the -wal file.
        ASSERT_TRUE(QFile::copy(u"quelle.db"_s, u"wal.mdb"_s));
        ASSERT_TRUE(QFile::copy(u"quelle.db-wal"_s, u"wal.mdb-wal"_s));
    }
    const auto ohneFeld = [](const QString& name, const QString& weg, bool wal) {
        Connection c(name, Connection::Zugriff::Anlegen);
        c.exec(u"PRAGMA application_id=%1"_s.arg(ContestDatabase::kApplicationId));
        if (wal)
            c.exec(u"PRAGMA journal_mode=WAL"_s);
        QStringList spalten;
        for (const FeldDefinition& feld : kBandFelder) {
            if (QString::fromUtf16(feld.name) != weg)
                spalten.append(
                    quoteIdentifier(QString::fromUtf16(feld.name)) + u' ' + QLatin1StringView(feld.typ));
        }
        c.exec(u"CREATE TABLE \"144MHz\"("_s + spalten.join(u',') + u')');
    };
    ohneFeld(u"ohneKern.mdb"_s, u"KernCall"_s, false);
    ohneFeld(u"ohneLocator.mdb"_s, u"Locator"_s, true);
    ContestDatabase::anlegen(u"good.mdb"_s, { u"144MHz"_s }, kStation);
    const QByteArray gut = test::dateiInhalt(u"good.mdb"_s);
    ASSERT_EQ(gut[18], 2);
    QByteArray damaged = gut;
    damaged.truncate(damaged.size() / 2 + 10);
    damaged.replace(200, 3000, QByteArray(3000, '\x5a'));
    test::schreibeAltenContest(u"BUSY.mdb"_s, { { u"144MHz"_s, 14 } });
    Connection anderes(u"BUSY.mdb"_s, Connection::Zugriff::LesenSchreiben);
    anderes.exec(u"BEGIN EXCLUSIVE"_s);

    const QStringList keine { u"keine Contest-Datenbank"_s, u"nicht verändert"_s };
    const struct {
        const char16_t* name;
        QByteArray inhalt; // null: as prepared above
        QStringList stichworte;
    } cases[] = {
        { u"text.mdb", QByteArrayLiteral("Dies ist keine Datenbank\r\n"), keine },
        { u"empty.mdb", QByteArray(""), keine },
        { u"broken.mdb", damaged, keine },
        { u"kopf.mdb", gut.left(100), keine },
        { u"halb.mdb", gut.left(gut.size() / 2), keine },
        { u"other.mdb", {}, keine },
        { u"app.mdb", {}, keine },
        { u"wal.mdb", {}, keine },
        { u"ohneKern.mdb", {}, { u"KernCall"_s, u"nicht verändert"_s } },
        { u"ohneLocator.mdb", {}, { u"Locator"_s, u"nicht verändert"_s } },
        { u"NIRGENDS.MDB", {}, { u"wurde nicht gefunden"_s } },
        { u"BUSY.mdb", {}, { u"von einem anderen Programm benutzt"_s } },
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        if (!c.inhalt.isNull())
            test::schreibeDatei(name, c.inhalt);
        const QByteArray datei = test::dateiInhalt(name);
        const QByteArray wal = test::dateiInhalt(name + u"-wal"_s);
        const bool mitWal = QFile::exists(name + u"-wal"_s), mitShm = QFile::exists(name + u"-shm"_s);
        try {
            ContestDatabase::öffnen(name);
            ADD_FAILURE() << "opened";
        } catch (const UserError& e) {
            for (const QString& wort : c.stichworte + QStringList { name })
                EXPECT_TRUE(e.meldung().contains(wort)) << e.meldung().toStdString();
        }
        EXPECT_EQ(test::dateiInhalt(name), datei);
        EXPECT_EQ(test::dateiInhalt(name + u"-wal"_s), wal);
        EXPECT_EQ(QFile::exists(name + u"-wal"_s), mitWal);
        EXPECT_EQ(QFile::exists(name + u"-shm"_s), mitShm);
    }
    anderes.exec(u"ROLLBACK"_s);
}

// A healthy contest on a full disk is no damaged file: the operator learns the
// disk is full and sees the log; nothing of the file changes.
TEST_F(ContestDatabaseTest, FullDiskIsSaidAndTheContestOpensReadOnly)
{
    test::KleineDisk disk(u"voll"_s);
    if (!disk.ok())
        GTEST_SKIP() << "no tmpfs (needs root)";
    struct Fall {
        const char* name;
        bool absturz; // left with its -wal file, as after a crash
    };
    for (const Fall& f : { Fall { "closed", false }, Fall { "after a crash", true } }) {
        SCOPED_TRACE(f.name);
        const QString name = disk.pfad(u"%1.mdb"_s.arg(f.absturz ? u"CRASH"_s : u"ZU"_s));
        {
            auto db = ContestDatabase::anlegen(name, { u"144MHz"_s }, kStation);
            for (int i = 1; i <= 3; ++i)
                db.qsoSpeichern(u"144MHz"_s, qso(i, u"DL%1AB"_s.arg(i)), u"   zeile"_s);
            if (f.absturz) {
                for (const QString& endung : { u""_s, u"-wal"_s })
                    ASSERT_TRUE(QFile::copy(name + endung, name + u".kopie"_s + endung));
            }
        }
        if (f.absturz) {
            for (const QString& endung : { u""_s, u"-wal"_s, u"-shm"_s })
                QFile::remove(name + endung);
            for (const QString& endung : { u""_s, u"-wal"_s })
                ASSERT_TRUE(QFile::rename(name + u".kopie"_s + endung, name + endung));
        }
        const QByteArray vorher = test::dateiInhalt(name);
        const QByteArray walVorher = test::dateiInhalt(name + u"-wal"_s);
        disk.füllen();
        try {
            auto db = ContestDatabase::öffnen(name);
            EXPECT_TRUE(db.schreibgeschützt());
            EXPECT_EQ(db.qsos(u"144MHz"_s).size(), 3);
            ASSERT_TRUE(db.nurLesenHinweis().has_value());
            EXPECT_TRUE(db.nurLesenHinweis()->contains(u"kein Platz"_s))
                << db.nurLesenHinweis()->toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().contains(u"kein Platz"_s)) << e.meldung().toStdString();
            EXPECT_FALSE(e.meldung().contains(u"beschädigt"_s)) << e.meldung().toStdString();
        }
        EXPECT_EQ(test::dateiInhalt(name), vorher);
        EXPECT_EQ(test::dateiInhalt(name + u"-wal"_s), walVorher);
        // With room again everything is there and can be saved to.
        disk.leeren();
        auto db = ContestDatabase::öffnen(name);
        EXPECT_FALSE(db.schreibgeschützt());
        db.qsoSpeichern(u"144MHz"_s, qso(4, u"DL4AB"_s), u"   vierte"_s);
        EXPECT_EQ(db.qsos(u"144MHz"_s).size(), 4);
    }
}

// Write protection holds only for an ordinary user.
TEST_F(ContestDatabaseTest, WriteProtectionLiftedLaterLetsTheNextSaveWork)
{
    const QString fehler = test::alsGewöhnlicherBenutzer([]() -> QString {
        const auto lesbar = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const auto schreibbar = lesbar | QFileDevice::WriteOwner;
        {
            auto db = ContestDatabase::anlegen(u"RO.mdb"_s, { u"144MHz"_s }, kStation);
            db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1AB"_s), u"   erste"_s);
        }
        QFile::setPermissions(u"RO.mdb"_s, lesbar);
        {
            auto db = ContestDatabase::öffnen(u"RO.mdb"_s);
            if (!db.schreibgeschützt())
                return u"not write-protected"_s;
            if (db.qsos(u"144MHz"_s).size() != 1)
                return u"contact not readable"_s;
            try {
                db.qsoSpeichern(u"144MHz"_s, qso(2, u"DL2AC"_s), u"   zweite"_s);
                return u"saved while write-protected"_s;
            } catch (const UserError& e) {
                if (!e.meldung().contains(u"schreibgeschützt"_s))
                    return e.meldung();
            }
            // The operator lifts the protection while the contest stays open.
            QFile::setPermissions(u"RO.mdb"_s, schreibbar);
            try {
                db.qsoSpeichern(u"144MHz"_s, qso(2, u"DL2AC"_s), u"   zweite"_s);
            } catch (const UserError& e) {
                return u"after lifting: "_s + e.meldung();
            }
        }
        try {
            if (ContestDatabase::öffnen(u"RO.mdb"_s).qsos(u"144MHz"_s).size() != 2)
                return u"second contact missing"_s;
        } catch (const UserError& e) {
            return u"next start: "_s + e.meldung();
        }

        // A read-only -shm left behind by an earlier look must not lock the contest out.
        test::schreibeDatei(u"RO.mdb-shm"_s, QByteArray(32768, '\0'));
        QFile::setPermissions(u"RO.mdb-shm"_s, lesbar);
        try {
            auto db = ContestDatabase::öffnen(u"RO.mdb"_s);
            db.qsoSpeichern(u"144MHz"_s, qso(3, u"DL3AD"_s), u"   dritte"_s);
        } catch (const UserError& e) {
            return u"stale -shm: "_s + e.meldung();
        }

        // In a write-protected directory the contest is shown read-only, not called damaged.
        const QString verzeichnis = u"geschützt"_s;
        QDir().mkdir(verzeichnis);
        QFile::copy(u"RO.mdb"_s, verzeichnis + u"/RO.mdb"_s);
        QFile::setPermissions(verzeichnis, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QString ergebnis;
        try {
            auto db = ContestDatabase::öffnen(verzeichnis + u"/RO.mdb"_s);
            if (!db.schreibgeschützt() || db.qsos(u"144MHz"_s).size() != 3)
                ergebnis = u"read-only directory: not opened read-only with all contacts"_s;
        } catch (const UserError& e) {
            ergebnis = u"read-only directory: "_s + e.meldung();
        }
        QFile::setPermissions(
            verzeichnis, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return ergebnis;
    });
    EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
}

// The file records every journal line with the journal's size after it. A crash
// before a commit leaves at most one line (or part of one) beyond the recorded
// end: opening cuts it. A power cut after commits may take lines from the text
// file: opening writes them again. Anything else is someone else's and stays.
TEST_F(ContestDatabaseTest, OpeningMendsTheJournalAfterACrash)
{
    const auto dreiKontakte = [](const QString& pfad) {
        auto db = ContestDatabase::anlegen(pfad, { u"144MHz"_s, u"432MHz"_s }, kStation);
        db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"   erste"_s);
        db.qsoSpeichern(u"432MHz"_s, qso(1, u"OK1ABC"_s), u"   zweite Zeile"_s);
        db.qsoSpeichern(u"144MHz"_s, qso(2, u"OE3ABC"_s), u"   dritte"_s);
    };
    dreiKontakte(u"J0.mdb"_s);
    const QByteArray s = test::dateiInhalt(u"J0.txt"_s);
    const struct {
        const char* fall;
        QByteArray journal; // null: the file is gone
        bool gleichDenGespeicherten; // afterwards the file holds exactly the saved lines
        const char16_t* meldung; // nullptr: nothing to say
    } cases[] = {
        { "a whole line of a contact never stored",
            s + "   04.12.26 14:07  G4XYZ          59 002  59 012  IO91AA    559 - 432 MHz\r\n", true,
            u"G4XYZ" },
        { "a line cut short", s + "   04.12.26 14:07  G4X", true, u"nicht fertig geschrieben" },
        { "the last two lines lost", s.left(s.indexOf("\n") + 1), true, u"2 Zeilen" },
        { "the last line lost half way", s.chopped(7), true, u"eine Zeile" },
        { "the whole file lost", {}, true, u"3 Zeilen" },
        { "two lines written by someone else", s + "eins\r\nzwei\r\n", false, nullptr },
        { "nothing", s, true, nullptr },
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        const QString pfad = u"J%1.mdb"_s.arg(++n);
        const QString journal = journalPfad(pfad);
        dreiKontakte(pfad);
        if (c.journal.isNull())
            QFile::remove(journal);
        else
            test::schreibeDatei(journal, c.journal);

        auto db = ContestDatabase::öffnen(pfad);
        const std::optional<QString> meldung = db.journalAbgleichen();
        EXPECT_EQ(test::dateiInhalt(journal), c.gleichDenGespeicherten ? s : c.journal);
        ASSERT_EQ(meldung.has_value(), c.meldung != nullptr);
        EXPECT_TRUE(!meldung || meldung->contains(QString::fromUtf16(c.meldung))) << meldung->toStdString();
        // Whatever stayed is taken as it is: the next save goes on after it, and
        // opening again finds nothing to mend.
        db.qsoSpeichern(u"144MHz"_s, qso(3, u"DK2XY"_s), u"   vierte"_s);
        EXPECT_FALSE(ContestDatabase::öffnen(pfad).journalAbgleichen().has_value());
        EXPECT_TRUE(test::dateiInhalt(journal).endsWith("   vierte\r\n"));
    }
}

// What a power cut leaves of the journal's last appends: lost lines with later
// ones kept, holes of NUL bytes, NUL bytes beyond the last line. After opening,
// the file holds exactly the stored contacts' lines, whatever it held before.
TEST_F(ContestDatabaseTest, OpeningRebuildsTheJournalAfterAPowerCut)
{
    const QStringList zeilen
        = { u"   04.12.26 14:00  DL1AB     erste"_s, u"   04.12.26 14:01  DL1AB     zweite"_s,
              u"   04.12.26 14:02  DL2AC     dritte"_s, u"   04.12.26 14:03  OK1AB     vierte"_s };
    const auto vierKontakte = [&](const QString& pfad) {
        auto db = ContestDatabase::anlegen(pfad, { u"144MHz"_s }, kStation);
        for (int i = 0; i < zeilen.size(); ++i)
            db.qsoSpeichern(u"144MHz"_s, qso(i + 1, u"DL%1AB"_s.arg(i)), zeilen[i]);
    };
    vierKontakte(u"P0.mdb"_s);
    const QByteArray s = test::dateiInhalt(u"P0.txt"_s);
    QList<qsizetype> anfang { 0 };
    for (qsizetype i = s.indexOf('\n'); i >= 0; i = s.indexOf('\n', i + 1))
        anfang.append(i + 1);
    ASSERT_EQ(anfang.size(), 5);
    const auto loch = [&](QByteArray b, qsizetype von, qsizetype bis) {
        return b.replace(von, bis - von, QByteArray(bis - von, '\0'));
    };
    const auto ohneZeile = [&](int i) { return QByteArray(s).remove(anfang[i], anfang[i + 1] - anfang[i]); };

    struct Fall {
        std::string fall;
        QByteArray journal;
    };
    QList<Fall> fälle = {
        { "second line lost, later lines kept", ohneZeile(1) },
        { "second line a hole, 75 NUL bytes after the end",
            loch(s, anfang[1], anfang[2]) + QByteArray(75, '\0') },
        { "NUL bytes after the end", s + QByteArray(75, '\0') },
        { "last line a hole", loch(s, anfang[3], anfang[4]) },
        { "a hole inside the third line", loch(s, anfang[2] + 5, anfang[2] + 9) },
        { "second line lost, NUL bytes in place of the last", loch(ohneZeile(1), anfang[2], anfang[3]) },
    };
    // Every prefix of the file, followed by a hole as long as the lost rest.
    for (qsizetype n = 0; n < s.size(); n += 7)
        fälle.append({ "prefix " + std::to_string(n), s.left(n) + QByteArray(s.size() - n, '\0') });

    int n = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.fall);
        const QString pfad = u"P%1.mdb"_s.arg(++n);
        vierKontakte(pfad);
        test::schreibeDatei(journalPfad(pfad), f.journal);
        {
            auto db = ContestDatabase::öffnen(pfad);
            const std::optional<QString> meldung = db.journalAbgleichen();
            EXPECT_EQ(test::dateiInhalt(journalPfad(pfad)), s);
            ASSERT_TRUE(meldung.has_value());
            EXPECT_FALSE(meldung->contains(u"nicht gespeichert wurde"_s)) << meldung->toStdString();
        }
        auto db = ContestDatabase::öffnen(pfad);
        EXPECT_FALSE(db.journalAbgleichen().has_value());
        db.qsoSpeichern(u"144MHz"_s, qso(5, u"DK2XY"_s), u"   fünfte"_s);
        EXPECT_EQ(test::dateiInhalt(journalPfad(pfad)), s + toCp1252(u"   fünfte\r\n"));
    }
}

TEST_F(ContestDatabaseTest, EarlierContactsCompareTextNotPatterns)
{
    auto db = ContestDatabase::anlegen(u"E.mdb"_s, { u"144MHz"_s }, kStation);
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
    EXPECT_EQ(calls(u"AB*"_s, u""_s), QStringList { u"AB*"_s });
    EXPECT_EQ(calls(u"dl1abc"_s, u""_s), QStringList { u"DL1ABC"_s })
        << "without regard to case, valid ones only";
    EXPECT_EQ(calls(u"XX9XX"_s, u"jo62ab"_s), (QStringList { u"ABC"_s, u"DL1ABC"_s }));
    // By call or by locator, in stored order, a contact matching both listed once.
    EXPECT_EQ(calls(u"DL1ABC"_s, u"JO31AA"_s), (QStringList { u"AB*"_s, u"DL1ABC"_s }));
    EXPECT_EQ(calls(u"DL1ABC"_s, u"JO62AB"_s), (QStringList { u"ABC"_s, u"DL1ABC"_s }));
}

TEST_F(ContestDatabaseTest, DeletingOnlyTheLastContact)
{
    auto db = ContestDatabase::anlegen(u"D.mdb"_s, { u"144MHz"_s }, kStation);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 1), ContestDatabase::Löschen::KeinDatensatz);
    db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"x"_s);
    db.qsoSpeichern(u"144MHz"_s, qso(2, u"G4XYZ"_s), u"x"_s);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 1), ContestDatabase::Löschen::NichtDerLetzte);
    EXPECT_EQ(db.letztenLöschen(u"144MHz"_s, 2), ContestDatabase::Löschen::Gelöscht);
    EXPECT_EQ(db.rowids(u"144MHz"_s), QList<qint64> { 1 });
    db.ungültigErklären(u"144MHz"_s, 1);
    const QsoRecord q = db.qso(u"144MHz"_s, 1);
    EXPECT_EQ((QStringList { q.punkte, q.square, q.land, q.rufzeichen }),
        (QStringList { u"-----"_s, u" "_s, u" "_s, u"DL1ABC"_s }));
}

// A closed contest is one complete file: the write-ahead log is folded back.
TEST_F(ContestDatabaseTest, ClosingLeavesOneCompleteFile)
{
    {
        auto db = ContestDatabase::anlegen(u"C.mdb"_s, { u"144MHz"_s }, kStation);
        db.qsoSpeichern(u"144MHz"_s, qso(1, u"DL1ABC"_s), u"x"_s);
        EXPECT_TRUE(QFile::exists(u"C.mdb-wal"_s));
    }
    EXPECT_FALSE(QFile::exists(u"C.mdb-wal"_s));
    EXPECT_FALSE(QFile::exists(u"C.mdb-shm"_s));
    ASSERT_TRUE(QFile::copy(u"C.mdb"_s, u"KOPIE.mdb"_s));
    EXPECT_EQ(ContestDatabase::öffnen(u"KOPIE.mdb"_s).qsos(u"144MHz"_s).size(), 1);
}

} // namespace
} // namespace tarvex
