// The logging loop at 1,000, 10,000 and 50,000 contacts on the band, with
// 100,000 known stations and 30,000 call-info entries: one call token with its
// whole look-up, and one whole save (row, journal line, score, grid). In the
// same run, on the same disk: the floor of one durable commit of one row, and
// the literal way (files opened per operation, no indexes on the band table,
// the score and the grid read afresh). Prints one table.
#include "Zufallsdaten.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/TextFile.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/CallSign.h"
#include "entry/KeystrokeLog.h"
#include "store/CallInfoDb.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct SilentPrompter final : Prompter {
    Meldung::Antwort zeige(const Meldung& m) override { return m.standard; }
    std::optional<QString> frage(const Eingabefrage& f) override { return f.vorgabe; }
    std::optional<QString> dateiWählen(const Dateiwahl&) override { return std::nullopt; }
};

struct Messung {
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    QString text()
    {
        const double m = median();
        return u"%1 (%2–%3)"_s.arg(m, 0, 'f', 3).arg(ms.front(), 0, 'f', 3).arg(ms.back(), 0, 'f', 3);
    }
};

using bench::locator;
using bench::rufzeichen;
using bench::wahl;

double sekundenSeit(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Reference files as an operator's working directory has them after importing logs.
void referenzdateien()
{
    QFile::copy(QStringLiteral(TARVEX_REFERENZ_DIR "/CONTEST.DAT"), u"CONTEST.DAT"_s);
    QFile::copy(QStringLiteral(TARVEX_REFERENZ_DIR "/CALLINFO.MDB"), u"CALLINFO.MDB"_s);
    QFile::setPermissions(u"CONTEST.DAT"_s, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(u"CALLINFO.MDB"_s, QFile::ReadOwner | QFile::WriteOwner);
    {
        Connection dat(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
        dat.exec(u"PRAGMA synchronous=OFF"_s);
        dat.exec(u"BEGIN"_s);
        for (int i = 0; i < 100000; ++i) {
            QString locs = locator();
            for (int k = wahl(3); k > 0; --k)
                locs += u'/' + locator();
            dat.execute(u"INSERT INTO STATIONS(CALL,LOCATORS) VALUES(?,?)"_s, { rufzeichen(), locs });
        }
        dat.exec(u"COMMIT"_s);
    }
    Connection info(u"CALLINFO.MDB"_s, Connection::Zugriff::LesenSchreiben);
    info.exec(u"PRAGMA synchronous=OFF"_s);
    info.exec(u"BEGIN"_s);
    for (int i = 0; i < 30000; ++i)
        info.execute(u"INSERT INTO CALLINFO(Rufzeichen,Name) VALUES(?,?)"_s, { rufzeichen(), u"Name"_s });
    info.exec(u"COMMIT"_s);
}

// A band of n contacts, filled in one transaction (the bench's own shortcut).
void bandFüllen(const QString& pfad, int n)
{
    Connection c(pfad, Connection::Zugriff::LesenSchreiben);
    c.exec(u"BEGIN"_s);
    const QStringList länder { u"Deutschland"_s, u"England"_s, u"Frankreich"_s, u"Polen"_s,
        u"Niederlande"_s };
    for (int i = 1; i <= n; ++i) {
        const QString call = rufzeichen();
        const QString loc = locator();
        const bool ungültig = wahl(50) == 0;
        c.execute(u"INSERT INTO \"144MHz\" VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s,
            { i, u"04.12.26"_s, u"14:05"_s, call, QString(u"59"_s + laufendeNummer(i)), u"59012"_s, loc,
                ungültig ? u"-----"_s : QString::number(1 + wahl(1200)), QString::number(wahl(360)),
                Kern2(call), ungültig ? u" "_s : loc.left(4), ungültig ? u" "_s : länder[wahl(5)], u" "_s,
                0 });
    }
    c.exec(u"COMMIT"_s);
}

QString zeile(double v)
{
    return QString::number(v, 'f', 3);
}

struct Ergebnis {
    Messung suche, sucheWörtlich, speichern, boden, speichernWörtlich, zurück;
    double öffnen = 0;
};

Ergebnis messen(int n, int speicherungen)
{
    Ergebnis e;
    QTemporaryDir arbeit;
    QDir::setCurrent(arbeit.path());
    referenzdateien();
    ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    writeTextFile(u"TEST.txt"_s, {});
    bandFüllen(u"TEST.mdb"_s, n);
    // The literal way's contest: the same contacts, no indexes, rollback journal.
    {
        Connection wörtlich(u"WOERTL.mdb"_s, Connection::Zugriff::Anlegen);
        wörtlich.exec(u"ATTACH 'TEST.mdb' AS q"_s);
        wörtlich.exec(u"CREATE TABLE \"144MHz\" AS SELECT * FROM q.\"144MHz\""_s);
    }
    writeTextFile(u"WOERTL.txt"_s, {});

    SilentPrompter prompter;
    SystemClock clock;
    KeystrokeLog keystrokes(u"LOG.TXT"_s);
    ContestDat contestDat;
    CallInfoDb callInfo;
    CallLookup lookup(contestDat, callInfo, prompter);
    Settings settings(u"CONTEST.ini"_s);
    ContestModel model(prompter, clock, keystrokes, lookup, settings);
    model.setEigeneStation(u"DL0XX"_s, u"JO31AA"_s);
    model.entry().Löschen();
    QElapsedTimer uhr;
    uhr.start();
    model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
    e.öffnen = sekundenSeit(uhr);

    // Calls that are in the log, and calls that are not.
    const QList<QsoRecord> vorhandene = model.db()->qsos(u"144MHz"_s);
    for (int i = 0; i < 300; ++i) {
        const QString call
            = i % 2 == 0 ? vorhandene[wahl(static_cast<int>(vorhandene.size()))].rufzeichen : rufzeichen();
        model.entry().setzeEingabe(call);
        uhr.restart();
        model.entry().enter();
        e.suche.add(sekundenSeit(uhr));
        model.entry().escape();
    }
    for (int i = 0; i < 30; ++i) {
        const QString call
            = i % 2 == 0 ? vorhandene[wahl(static_cast<int>(vorhandene.size()))].rufzeichen : rufzeichen();
        const QString kern = Kern2(call);
        uhr.restart();
        // The token into the keystroke log, the file opened and closed for it.
        appendTextLine(u"LOG.TXT"_s, call);
        // The statements as the look-up is written, each file opened for it.
        Connection c(u"WOERTL.mdb"_s, Connection::Zugriff::LesenSchreiben);
        c.select(u"SELECT * FROM \"144MHz\" WHERE (KernCall LIKE ? OR Locator LIKE ?) AND VAL(Punkte)>0"_s,
            { kern, QString() });
        Connection dat(u"CONTEST.DAT"_s, Connection::Zugriff::NurLesen);
        QVariant land = dat.scalar(
            u"SELECT LAND FROM PREFIXE WHERE PREFIX=? OR PREFIX=?"_s, { call.left(2), call.left(3) });
        if (land.isNull())
            land = dat.scalar(u"SELECT LAND FROM PREFIXE WHERE PREFIX=?"_s, { call.left(1) });
        Connection info(u"CALLINFO.MDB"_s, Connection::Zugriff::NurLesen);
        info.scalar(u"SELECT Name FROM CALLINFO WHERE Rufzeichen=?"_s, { kern });
        dat.scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL=?"_s, { kern });
        dat.scalar(u"SELECT LAND FROM SQUARES WHERE SQUARE=? AND LAND=?"_s, { u"JO62"_s, land });
        e.sucheWörtlich.add(sekundenSeit(uhr));
    }

    // Whole saves through the logging model; new calls, so no duplicate question.
    for (int i = 0; i < speicherungen; ++i) {
        // A prefix the log's calls never have: no duplicate question.
        const QString call = u"DF%1"_s.arg(i / 676 % 10) + QChar(u'A' + i / 26 % 26) + QChar(u'A' + i % 26);
        const QString nummer = model.felder().txtNummer;
        model.entry().setzeEingabe(call + u" JO62QM 59"_s + nummer);
        model.entry().enter();
        uhr.restart();
        model.entry().enter();
        e.speichern.add(sekundenSeit(uhr));
        if (model.felder().txtNummer == nummer) {
            const EntryFields& f = model.felder();
            std::fprintf(stderr, "nicht gespeichert: %s [%s/%s/%s/%s/%s/%s] %d\n", qPrintable(call),
                qPrintable(f.txtNummer), qPrintable(f.txtCall), qPrintable(f.txtLocator),
                qPrintable(f.txtRSTerh), qPrintable(f.txtRSTgeg), qPrintable(f.lblLand),
                static_cast<int>(f.loggen));
            std::exit(1);
        }
    }
    // Esc from another window: the score stands as the saves left it.
    for (int i = 0; i < 50; ++i) {
        uhr.restart();
        model.Punkte();
        e.zurück.add(sekundenSeit(uhr));
    }
    for (int i = 0; i < 20; ++i) {
        uhr.restart();
        Connection c(u"WOERTL.mdb"_s, Connection::Zugriff::LesenSchreiben);
        c.execute(u"INSERT INTO \"144MHz\" VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s,
            { n + i, u"04.12.26"_s, u"14:05"_s, u"9H1ABC"_s, u"59001"_s, u"59012"_s, u"JO62QM"_s, u"531"_s,
                u"69"_s, u"9H1ABC"_s, u"JO62"_s, u"Malta"_s, u" "_s, 0 });
        appendTextLine(u"WOERTL.txt"_s, u"   04.12.26 14:05  9H1ABC"_s, true);
        c.select(
            u"SELECT count(Nummer),Sum(val(Punkte)),Max(val(Punkte)) FROM \"144MHz\" WHERE Punkte<>'-----'"_s);
        c.scalar(u"SELECT Rufzeichen FROM \"144MHz\" WHERE Punkte='1200'"_s);
        c.scalar(u"SELECT count(*) FROM \"144MHz\""_s);
        c.select(u"SELECT DISTINCT Land FROM \"144MHz\" WHERE Land<>' '"_s);
        c.select(u"SELECT DISTINCT Square FROM \"144MHz\" WHERE Square<>' '"_s);
        c.select(u"SELECT * FROM \"144MHz\""_s); // the grid re-read
        e.speichernWörtlich.add(sekundenSeit(uhr));
    }
    // The floor: one row, one durable commit, on the same disk, with nothing else.
    {
        Connection c(u"BODEN.db"_s, Connection::Zugriff::Anlegen);
        c.exec(u"PRAGMA journal_mode=WAL"_s);
        c.exec(u"PRAGMA synchronous=FULL"_s);
        c.exec(u"CREATE TABLE t(a TEXT)"_s);
        for (int i = 0; i < 100; ++i) {
            uhr.restart();
            c.execute(u"INSERT INTO t VALUES(?)"_s, { u"9H1ABC JO62QM 59001"_s });
            e.boden.add(sekundenSeit(uhr));
        }
    }
    return e;
}

long rssKilobyte()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Sizes may be given on the command line; the budgets are set for these three.
    std::vector<int> grössen { 1000, 10000, 50000 };
    if (argc > 1) {
        grössen.clear();
        for (int i = 1; i < argc; ++i)
            grössen.push_back(std::atoi(argv[i]));
    }
    std::vector<Ergebnis> ergebnisse;
    for (int n : grössen) {
        std::fprintf(stderr, "%d Verbindungen ...\n", n);
        ergebnisse.push_back(messen(n, n >= 50000 ? 1000 : 200));
    }
    const long rss = rssKilobyte();

    std::printf("\nLogging loop, milliseconds: median (min–max)\n\n");
    std::printf("| per operation |");
    for (int n : grössen)
        std::printf(" %d contacts |", n);
    std::printf("\n|---|");
    for (std::size_t i = 0; i < grössen.size(); ++i)
        std::printf("---|");
    std::printf("\n");
    const auto reihe = [&](const char* name, auto wert) {
        std::printf("| %s |", name);
        for (Ergebnis& e : ergebnisse)
            std::printf(" %s |", qPrintable(wert(e)));
        std::printf("\n");
    };
    reihe("call token with full look-up", [](Ergebnis& e) -> QString { return e.suche.text(); });
    reihe("  the literal way", [](Ergebnis& e) -> QString { return e.sucheWörtlich.text(); });
    reihe("  ratio literal / ours (median)", [](Ergebnis& e) -> QString {
        return QString::number(e.sucheWörtlich.median() / e.suche.median(), 'f', 0) + u"×"_s;
    });
    reihe(
        "whole save (row, journal, score, grid)", [](Ergebnis& e) -> QString { return e.speichern.text(); });
    reihe("  durable commit of one row (floor)", [](Ergebnis& e) -> QString { return e.boden.text(); });
    reihe("  save minus floor (medians)",
        [](Ergebnis& e) -> QString { return zeile(e.speichern.median() - e.boden.median()); });
    reihe("  the literal way", [](Ergebnis& e) -> QString { return e.speichernWörtlich.text(); });
    reihe("  ratio literal / ours (median)", [](Ergebnis& e) -> QString {
        return QString::number(e.speichernWörtlich.median() / e.speichern.median(), 'f', 1) + u"×"_s;
    });
    reihe("opening the contest (model ready)", [](Ergebnis& e) -> QString { return zeile(e.öffnen); });
    reihe("back to the logging window (score)", [](Ergebnis& e) -> QString { return e.zurück.text(); });
    std::printf("\nResident memory after the run (1,000 saves at 50,000 contacts): %.1f MB\n", rss / 1024.0);
    return 0;
}
