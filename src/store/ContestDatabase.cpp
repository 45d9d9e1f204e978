#include "ContestDatabase.h"

#include "BandList.h"
#include "DatenbankFehler.h"
#include "FilePaths.h"
#include "common/Cp1252.h"
#include "common/UserError.h"
#include "common/VerzeichnisSichern.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtEndian>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>
#include <sqlite3.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QString shown(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

UserError keineContestDatei(const QString& pfad)
{
    return UserError(u"Die Datei %1 ist keine Contest-Datenbank oder ist beschädigt. "
                     u"Sie wurde nicht verändert."_s.arg(shown(pfad)));
}

UserError besetzt(const QString& pfad)
{
    return UserError(u"Die Contest-Datenbank %1 wird gerade von einem anderen Programm benutzt. "
                     u"Bitte schließen Sie das andere Programm und öffnen Sie den Contest noch einmal."_s.arg(
                         shown(pfad)));
}

bool besetztCode(int code)
{
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

// Less than this free beside the file and a save may fail at the next commit or
// checkpoint: the -wal file alone grows to about 4 MB between checkpoints.
bool datenträgerVoll(const QString& datei)
{
    const QStorageInfo platz(QFileInfo(datei).absolutePath());
    return platz.isValid() && platz.bytesAvailable() < 256 * 1024;
}

bool verzeichnisSchreibbar(const QString& datei)
{
    return QFileInfo(QFileInfo(datei).absolutePath()).isWritable();
}

UserError vollBeimÖffnen(const QString& pfad)
{
    return UserError(
        u"Die Contest-Datenbank %1 kann nicht geöffnet werden: Auf dem Datenträger ist kein Platz "
        u"mehr frei. Bitte schaffen Sie Platz und öffnen Sie den Contest noch einmal. Die Datei wurde "
        u"nicht verändert."_s.arg(shown(pfad)));
}

struct Kopf {
    quint32 applicationId = 0;
    bool wal = false;
};

// Reads the engine's file header without opening the file as a database, so a
// foreign file is refused before anything could touch it.
std::optional<Kopf> kopfVon(const QString& pfad)
{
    QFile file(pfad);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return std::nullopt;
    return Kopf { qFromBigEndian<quint32>(header.constData() + 68), header[18] == 2 && header[19] == 2 };
}

// The fields every band table has had; Kommentar and QSL are added on opening.
std::optional<QString> fehlendesBandFeld(Connection& c, const QString& band)
{
    QStringList vorhanden;
    for (const QVariantList& z : c.select(u"PRAGMA table_info("_s + quoteIdentifier(band) + u')').zeilen)
        vorhanden.append(z.value(1).toString());
    for (int i = 0; i < 12; ++i) {
        const QString feld = QString::fromUtf16(kBandFelder[i].name);
        if (!vorhanden.contains(feld, Qt::CaseInsensitive))
            return feld;
    }
    return std::nullopt;
}

QString feldliste()
{
    QStringList felder;
    for (const FeldDefinition& feld : kBandFelder)
        felder.append(quoteIdentifier(QString::fromUtf16(feld.name)));
    return felder.join(u',');
}

QString createBandTableSql(const QString& band)
{
    QStringList felder;
    for (const FeldDefinition& feld : kBandFelder)
        felder.append(quoteIdentifier(QString::fromUtf16(feld.name)) + u' ' + QLatin1StringView(feld.typ));
    return u"CREATE TABLE "_s + quoteIdentifier(band) + u'(' + felder.join(u',') + u')';
}

// The look-ups filter by these; without the indexes every key would scan the band.
QStringList createIndexSql(const QString& band)
{
    QStringList sql;
    for (const char16_t* feld : { u"KernCall", u"Locator" }) {
        const QString name = QString::fromUtf16(feld);
        sql.append(u"CREATE INDEX IF NOT EXISTS "_s + quoteIdentifier(band + u'_' + name) + u" ON "_s
            + quoteIdentifier(band) + u'(' + name + u" COLLATE NOCASE)"_s);
    }
    return sql;
}

const QString kCreateTmp = u"CREATE TABLE TMP([Nummer] NUMBER,[Square] TEXT(4),[LAND] TEXT(20))"_s;
const QString kCreateParam = u"CREATE TABLE PARAM([Call] TEXT(15),[Locator] TEXT(6))"_s;
// The journal's lines as saved, each with the journal's size after it: the
// durable record the text file is checked against and mended from.
const QString kCreateJournal
    = u"CREATE TABLE IF NOT EXISTS JOURNAL([Nr] INTEGER PRIMARY KEY,[Zeile] TEXT,[Ende] INTEGER)"_s;
// Lines older than this are not needed: a power cut loses only the last few.
constexpr int kJournalZeilen = 1000;

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

// Every text field cut to its width, so no field ever holds more than the layout allows.
QVariantList werteFür(const QsoRecord& q)
{
    const QString texte[] = { q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh, q.locator, q.punkte,
        q.winkel, q.kernCall, q.square, q.land, q.kommentar };
    QVariantList werte { q.nummer };
    for (int i = 0; i < 12; ++i)
        werte.append(texte[i].left(kBandFelder[i + 1].breite));
    werte.append(q.qsl);
    return werte;
}

const QString kGültig = u" WHERE Punkte<>'-----'"_s;

} // namespace

ContestDatabase::ContestDatabase(Connection connection, bool schreibgeschützt)
    : connection_(std::move(connection))
    , journal_(journalPfad(connection_.pfad()))
    , schreibgeschützt_(schreibgeschützt)
{
}

ContestDatabase::~ContestDatabase()
{
    if (connection_.db().getHandle() == nullptr || schreibgeschützt_)
        return;
    // Everything back into the one .mdb file, so a copy taken now is complete;
    // the engine removes -wal and -shm when the connection closes.
    try {
        connection_.exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    } catch (const UserError&) {
        // The next opening replays the -wal file; nothing is lost.
    }
}

void ContestDatabase::fürSchreibenEinrichten()
{
    // One fsync'd append to the -wal file per save.
    connection_.exec(u"PRAGMA journal_mode=WAL"_s);
    connection_.exec(u"PRAGMA synchronous=FULL"_s);
}

ContestDatabase ContestDatabase::anlegen(
    const QString& pfad, const QStringList& bänder, const StationParameter& station)
{
    if (existsCaseInsensitive(pfad))
        throw UserError(u"Die Datei %1 existiert bereits."_s.arg(shown(pfad)));
    for (const QString& band : bänder) {
        if (!istBandTabelle(band))
            throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    }
    try {
        ContestDatabase db(Connection(pfad, Connection::Zugriff::Anlegen), false);
        Connection& c = db.connection_;
        c.exec(u"PRAGMA application_id=%1"_s.arg(kApplicationId));
        db.fürSchreibenEinrichten();
        c.guarded([&] {
            SQLite::Transaction transaction(c.db());
            c.exec(u"PRAGMA user_version=%1"_s.arg(kSchemaVersion));
            for (const QString& band : bänder) {
                c.exec(createBandTableSql(band));
                for (const QString& sql : createIndexSql(band))
                    c.exec(sql);
            }
            c.exec(kCreateTmp);
            c.exec(kCreateParam);
            c.exec(kCreateJournal);
            c.execute(
                u"INSERT INTO PARAM([Call],[Locator]) VALUES(?,?)"_s, { station.call, station.locator });
            transaction.commit();
        });
        // The header with our mark must be in the .mdb itself, or a crash now
        // would leave a file that the next start takes for a foreign one.
        c.exec(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
        verzeichnisSichern(QFileInfo(pfad).absolutePath());
        return db;
    } catch (...) {
        // Nothing of a half-created contest stays behind.
        for (const QString& endung : { u""_s, u"-journal"_s, u"-wal"_s, u"-shm"_s })
            QFile::remove(pfad + endung);
        throw;
    }
}

ContestDatabase ContestDatabase::öffnen(const QString& pfad)
{
    const QString datei = resolveCaseInsensitive(pfad);
    if (!QFileInfo::exists(datei))
        throw UserError(u"Die Contest-Datenbank %1 wurde nicht gefunden."_s.arg(shown(pfad)));
    const std::optional<Kopf> kopf = kopfVon(datei);
    if (!kopf || (kopf->applicationId != 0 && kopf->applicationId != static_cast<quint32>(kApplicationId)))
        throw keineContestDatei(datei);
    const quint32 id = kopf->applicationId;

    // A closed contest is in WAL mode without a -wal file. Read as immutable,
    // the engine creates neither -wal nor -shm: a -shm made by a read-only
    // connection takes the file's write protection and would later lock out the
    // writable one, and a refused file must get no companions.
    const QString wal = datei + u"-wal"_s;
    const QString shm = datei + u"-shm"_s;
    const bool unverändertLesen = kopf->wal && !QFileInfo::exists(wal);
    // Where no -shm can be made (a full disk, a protected folder) a -wal file is
    // read with its index in memory; elsewhere a writer may have the file open.
    const bool ohneShm = QFileInfo::exists(wal) && !QFileInfo::exists(shm)
        && (!verzeichnisSchreibbar(datei) || datenträgerVoll(datei));
    const Connection::Zugriff lesen = unverändertLesen ? Connection::Zugriff::Nachschlagen
        : ohneShm                                      ? Connection::Zugriff::Ansehen
                                                       : Connection::Zugriff::NurLesen;
    const bool shmVorher = QFileInfo::exists(shm);

    // Looked at read-only first: a refused file must stay exactly as it was,
    // even one whose -wal file the engine would otherwise fold into it.
    try {
        std::optional<UserError> abgelehnt;
        {
            ContestDatabase prüfung(Connection(datei, lesen), true);
            const QString check = prüfung.connection_.scalar(u"PRAGMA quick_check"_s).toString();
            // Files without our mark are accepted when they hold at least one band table.
            const QStringList bänder = prüfung.bandTabellen();
            if (check != u"ok"_s || (id == 0 && bänder.isEmpty()))
                abgelehnt = keineContestDatei(datei);
            else if (bänder.isEmpty())
                abgelehnt = UserError(u"Die Datei %1 enthält kein Band."_s.arg(shown(datei)));
            for (const QString& band : bänder) {
                if (abgelehnt)
                    break;
                if (const std::optional<QString> feld = fehlendesBandFeld(prüfung.connection_, band))
                    abgelehnt = UserError(
                        u"Der Tabelle %1 in der Datei %2 fehlt das Feld %3: Die Datei ist "
                        u"keine Contest-Datenbank oder ist beschädigt. Sie wurde nicht verändert."_s.arg(
                            band, shown(datei), *feld));
            }
        }
        if (abgelehnt) {
            if (!shmVorher)
                QFile::remove(shm);
            throw *abgelehnt;
        }
    } catch (const DatenbankFehler& e) {
        if (!shmVorher)
            QFile::remove(shm);
        if (besetztCode(e.code()))
            throw besetzt(datei);
        if (e.code() == SQLITE_FULL || datenträgerVoll(datei))
            throw vollBeimÖffnen(datei);
        throw keineContestDatei(datei);
    }

    const bool schreibbar
        = QFileInfo(datei).isWritable() && QFileInfo(QFileInfo(datei).absolutePath()).isWritable();
    if (schreibbar && !QFileInfo::exists(wal) && QFileInfo::exists(shm) && !QFileInfo(shm).isWritable()) {
        // Left by a read-only look at the file: without a -wal file nobody uses it.
        QFile::remove(shm);
    }
    const auto nurLesen = [&](NurLesen grund) {
        ContestDatabase db(Connection(datei, lesen), true);
        db.nurLesen_ = grund;
        return db;
    };
    if (!schreibbar)
        return nurLesen(QFileInfo(datei).isWritable() ? NurLesen::Verzeichnis : NurLesen::Datei);
    if (datenträgerVoll(datei))
        return nurLesen(NurLesen::Voll);
    try {
        ContestDatabase db(Connection(datei, Connection::Zugriff::LesenSchreiben), false);
        db.fürSchreibenEinrichten();
        Connection& c = db.connection_;
        c.guarded([&] {
            SQLite::Transaction transaction(c.db());
            for (const QString& band : db.bandTabellen()) {
                for (const QString& sql : createIndexSql(band))
                    c.exec(sql);
            }
            if (c.scalar(u"SELECT count(*) FROM sqlite_master WHERE name='JOURNAL'"_s).toInt() == 0) {
                // Written by an earlier version: the journal as it is counts as matching.
                c.exec(kCreateJournal);
                c.execute(u"INSERT INTO JOURNAL(Zeile,Ende) VALUES(NULL,?)"_s, { db.journal_.größe() });
            }
            if (id != 0)
                c.exec(u"PRAGMA user_version=%1"_s.arg(kSchemaVersion));
            transaction.commit();
        });
        return db;
    } catch (const DatenbankFehler& e) {
        if (besetztCode(e.code()))
            throw besetzt(datei);
        // Nothing was committed; the log can still be looked at.
        if (e.code() == SQLITE_FULL || datenträgerVoll(datei))
            return nurLesen(NurLesen::Voll);
        throw;
    }
}

std::optional<QString> ContestDatabase::nurLesenHinweis() const
{
    const QString datei = shown(pfad());
    switch (nurLesen_) {
    case NurLesen::Nein:
        break;
    case NurLesen::Datei:
        return u"Die Contest-Datenbank %1 ist schreibgeschützt. Sie können das Log ansehen; gespeichert "
               u"werden "
               u"kann erst, wenn der Schreibschutz aufgehoben ist."_s.arg(datei);
    case NurLesen::Verzeichnis:
        return u"Das Verzeichnis %1 der Contest-Datenbank ist schreibgeschützt. Sie können das Log ansehen; "
               u"gespeichert werden kann erst, wenn der Schreibschutz des Verzeichnisses aufgehoben ist."_s
                   .arg(shown(QFileInfo(pfad()).absolutePath()));
    case NurLesen::Voll:
        return u"Auf dem Datenträger der Contest-Datenbank %1 ist kein Platz mehr frei. Sie können das Log "
               u"ansehen; gespeichert werden kann erst, wenn wieder Platz ist."_s.arg(datei);
    }
    if (schreibgeschützt_)
        return u"Die Contest-Datenbank %1 kann nur gelesen werden."_s.arg(datei);
    return std::nullopt;
}

void ContestDatabase::schreibbarMachen()
{
    if (!schreibgeschützt_)
        return;
    const QFileInfo info(pfad());
    if (!info.isWritable())
        throw UserError(u"Die Contest-Datenbank %1 ist schreibgeschützt. Bitte heben Sie den Schreibschutz "
                        u"auf; bis dahin kann nichts gespeichert werden."_s.arg(shown(pfad())));
    if (!verzeichnisSchreibbar(pfad()))
        throw UserError(u"Das Verzeichnis %1 der Contest-Datenbank ist schreibgeschützt. Bitte heben Sie den "
                        u"Schreibschutz auf; bis dahin kann nichts gespeichert werden."_s.arg(
                            shown(info.absolutePath())));
    if (datenträgerVoll(pfad()))
        throw UserError(
            u"Auf dem Datenträger der Contest-Datenbank %1 ist kein Platz mehr frei. Bitte schaffen "
            u"Sie Platz; bis dahin kann nichts gespeichert werden."_s.arg(shown(pfad())));
    *this = öffnen(pfad());
}

QStringList ContestDatabase::tabellen()
{
    const Rows rows = connection_.select(
        u"SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite*'"_s);
    QStringList bands, others;
    for (const QVariantList& row : rows.zeilen) {
        const QString name = row.value(0).toString();
        (istBandTabelle(name) ? bands : others).append(name);
    }
    std::sort(bands.begin(), bands.end());
    std::sort(others.begin(), others.end());
    return bands + others;
}

QStringList ContestDatabase::bandTabellen()
{
    QStringList result = tabellen();
    result.erase(
        std::remove_if(result.begin(), result.end(), [](const QString& t) { return !istBandTabelle(t); }),
        result.end());
    return result;
}

int ContestDatabase::feldAnzahl(const QString& tabelle)
{
    return static_cast<int>(
        connection_.select(u"PRAGMA table_info("_s + quoteIdentifier(tabelle) + u')').zeilen.size());
}

QString ContestDatabase::bandSql(const QString& band) const
{
    if (!istBandTabelle(band))
        throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    return quoteIdentifier(band);
}

void ContestDatabase::bandTabelleAufrüsten(const QString& band, Aufrüstung art)
{
    const QString table = bandSql(band);
    const bool kommentarFehlt = feldAnzahl(band) < 13;
    const bool qslFehlt = art == Aufrüstung::KommentarUndQsl && feldAnzahl(band) < (kommentarFehlt ? 13 : 14);
    if (!kommentarFehlt && !qslFehlt)
        return;
    schreibbarMachen();
    if (kommentarFehlt)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"Kommentar\" TEXT(12)"_s);
    if (qslFehlt)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"QSL\" BOOLEAN"_s);
}

bool ContestDatabase::hilfstabellenSicherstellen(const StationParameter& station)
{
    const QStringList vorhanden = tabellen();
    const auto fehlt = [&](const QString& name) {
        return std::none_of(vorhanden.begin(), vorhanden.end(),
            [&](const QString& t) { return t.compare(name, Qt::CaseInsensitive) == 0; });
    };
    if (!fehlt(u"TMP"_s) && !fehlt(u"PARAM"_s))
        return false;
    schreibbarMachen();
    if (fehlt(u"TMP"_s))
        connection_.exec(kCreateTmp);
    if (!fehlt(u"PARAM"_s))
        return false;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        connection_.exec(kCreateParam);
        connection_.execute(
            u"INSERT INTO PARAM([Call],[Locator]) VALUES(?,?)"_s, { station.call, station.locator });
        transaction.commit();
    });
    return true;
}

std::optional<StationParameter> ContestDatabase::parameter()
{
    const Rows rows = connection_.select(u"SELECT [Call],[Locator] FROM PARAM ORDER BY rowid LIMIT 1"_s);
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    return StationParameter { text(rows.zeilen[0].value(0)), text(rows.zeilen[0].value(1)) };
}

std::optional<QString> ContestDatabase::journalAbgleichen(Abgleich art)
{
    if (schreibgeschützt_)
        return std::nullopt;
    const qint64 größe = journal_.größe();
    if (art == Abgleich::NurEnde
        && größe == connection_.scalar(u"SELECT Ende FROM JOURNAL ORDER BY Nr DESC LIMIT 1"_s).toLongLong())
        return std::nullopt;

    struct Eintrag {
        qint64 nr = 0;
        std::optional<QByteArray> zeile; // none: the file up to ende was taken as it was
        qint64 ende = 0;
        qint64 anfang() const { return zeile ? ende - zeile->size() : ende; }
    };
    QList<Eintrag> einträge;
    for (const QVariantList& z :
        connection_.select(u"SELECT Nr,Zeile,Ende FROM JOURNAL ORDER BY Nr"_s).zeilen) {
        Eintrag e { z.value(0).toLongLong(), std::nullopt, z.value(2).toLongLong() };
        if (!z.value(1).isNull())
            e.zeile = toCp1252(z.value(1).toString()) + QByteArrayLiteral("\r\n");
        einträge.append(std::move(e));
    }
    const QString datei = shown(journal_.pfad());

    // A power cut may leave anything where the last lines were written: holes of
    // NUL bytes, lost lines with later ones kept. So every recorded line is
    // compared with the file byte for byte; from the first one that differs the
    // file is written again from the recorded lines.
    const qint64 basis = einträge.isEmpty() ? 0 : std::max<qint64>(0, einträge.first().anfang());
    const QByteArray inhalt = journal_.endeAb(std::min(basis, größe));
    const auto stimmt = [&](const Eintrag& e) {
        if (!e.zeile)
            return e.ende <= größe;
        const qint64 anfang = e.anfang();
        return anfang >= basis && e.ende <= größe
            && QByteArrayView(inhalt).sliced(anfang - basis, e.zeile->size()) == *e.zeile;
    };
    const auto erste = std::find_if_not(einträge.begin(), einträge.end(), stimmt);

    if (erste == einträge.end()) {
        const qint64 ende = einträge.isEmpty() ? 0 : einträge.last().ende;
        if (größe == ende)
            return std::nullopt;
        const QByteArray rest = journal_.endeAb(ende);
        const bool sauber = !rest.contains('\0') && rest.endsWith("\r\n");
        if (sauber && rest.count("\r\n") > 1) {
            // Whole lines nobody recorded: written by someone else, and kept.
            connection_.execute(u"INSERT INTO JOURNAL(Zeile,Ende) VALUES(NULL,?)"_s, { größe });
            return std::nullopt;
        }
        // What a save left that never reached its commit, or what the file
        // system left after the last line.
        journal_.kürzen(ende);
        if (!sauber)
            return u"Das Journal %1 endete mit dem Rest einer Zeile, die bei einem Absturz nicht fertig "
                   u"geschrieben wurde. Der Rest wurde entfernt."_s.arg(datei);
        return u"Das Journal %1 endete mit der Zeile einer Verbindung, die wegen eines Absturzes während des "
               u"Speicherns nicht gespeichert wurde. Die Zeile wurde entfernt:\n\n%2"_s.arg(
                   datei, fromCp1252(rest.chopped(2)).trimmed());
    }

    // Where the rewrite starts. When even the oldest recorded line lies beyond
    // the file, older lines are lost for good: the file keeps its whole lines
    // up to the first hole.
    qint64 schnitt = erste->anfang();
    const bool ältereVerloren = schnitt > größe;
    if (ältereVerloren) {
        const QByteArray alles = journal_.endeAb(0).left(größe);
        const qsizetype loch = alles.indexOf('\0');
        const QByteArray heil = loch < 0 ? alles : alles.left(loch);
        const qsizetype zeilenende = heil.lastIndexOf("\r\n");
        schnitt = zeilenende < 0 ? 0 : zeilenende + 2;
    }
    journal_.kürzen(schnitt);
    qsizetype geschrieben = 0;
    qint64 ende = schnitt;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        for (auto e = erste; e != einträge.end(); ++e) {
            if (e->zeile) {
                journal_.anhängen(fromCp1252(e->zeile->chopped(2)));
                ende += e->zeile->size();
                ++geschrieben;
            }
            if (e->ende != ende)
                connection_.execute(u"UPDATE JOURNAL SET Ende=? WHERE Nr=?"_s, { ende, e->nr });
        }
        journal_.sichern();
        transaction.commit();
    });
    const QString zeilen = geschrieben == 1 ? u"eine Zeile"_s : u"%1 Zeilen"_s.arg(geschrieben);
    if (ältereVerloren)
        return u"Im Journal %1 fehlen nach einem Absturz Zeilen älterer Verbindungen, die sich nicht "
               u"wiederherstellen lassen; die Verbindungen selbst sind vollständig gespeichert. Die letzten "
               u"gespeicherten Verbindungen (%2) wurden nachgetragen."_s.arg(datei, zeilen);
    return u"Im Journal %1 waren nach einem Absturz die Zeilen der letzten gespeicherten Verbindungen "
           u"verloren oder beschädigt. Sie wurden neu geschrieben (%2)."_s.arg(datei, zeilen);
}

void ContestDatabase::setCommitFehler(std::function<bool()> fehler)
{
    commitFehler_ = std::move(fehler);
    if (!commitFehler_) {
        sqlite3_commit_hook(connection_.db().getHandle(), nullptr, nullptr);
        return;
    }
    sqlite3_commit_hook(
        connection_.db().getHandle(),
        [](void* selbst) { return static_cast<ContestDatabase*>(selbst)->commitFehler_() ? 1 : 0; }, this);
}

qint64 ContestDatabase::qsoSpeichern(const QString& band, const QsoRecord& q, const QString& journalZeile)
{
    schreibbarMachen();
    const QString sql
        = u"INSERT INTO "_s + bandSql(band) + u'(' + feldliste() + u") VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    // Row and journal line in one transaction with one fsync: the line is kept
    // in the file's JOURNAL table too. A failed write or commit cuts the text
    // line again; a crash before the commit leaves a line beyond the recorded
    // end, a power cut after it may take the line from the text file: the next
    // opening mends either.
    qint64 journalVorher = -1;
    try {
        return connection_.guarded([&] {
            SQLite::Transaction transaction(connection_.db());
            connection_.execute(sql, werteFür(q));
            const qint64 rowid = connection_.db().getLastInsertRowid();
            journalVorher = journal_.größe();
            connection_.execute(u"INSERT INTO JOURNAL(Zeile,Ende) VALUES(?,?)"_s,
                { journalZeile, journalVorher + Journal::länge(journalZeile) });
            connection_.execute(u"DELETE FROM JOURNAL WHERE Nr<=?"_s,
                { static_cast<qint64>(connection_.db().getLastInsertRowid()) - kJournalZeilen });
            journal_.anhängen(journalZeile);
            transaction.commit();
            return rowid;
        });
    } catch (...) {
        if (journalVorher >= 0 && journal_.größe() > journalVorher) {
            try {
                journal_.kürzen(journalVorher);
            } catch (const UserError&) {
                // The next opening cuts the line.
            }
        }
        throw;
    }
}

void ContestDatabase::qsoÄndern(const QString& band, qint64 rowid, const QsoRecord& q)
{
    schreibbarMachen();
    QStringList zuweisungen;
    for (const FeldDefinition& feld : kBandFelder)
        zuweisungen.append(quoteIdentifier(QString::fromUtf16(feld.name)) + u"=?"_s);
    QVariantList werte = werteFür(q);
    werte.append(rowid);
    connection_.execute(
        u"UPDATE "_s + bandSql(band) + u" SET "_s + zuweisungen.join(u',') + u" WHERE rowid=?"_s, werte);
}

QList<QsoRecord> ContestDatabase::leseQsos(const QString& sql, const QVariantList& werte)
{
    const Rows rows = connection_.select(sql, werte);
    const auto index
        = [&](const char16_t* name) { return rows.spalten.indexOf(QString::fromUtf16(name), 0); };
    const qsizetype kommentar = index(u"Kommentar");
    const qsizetype qsl = index(u"QSL");
    QList<QsoRecord> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen) {
        QsoRecord q;
        q.nummer = r.value(0).toInt();
        q.datum = text(r.value(1));
        q.zeit = text(r.value(2));
        q.rufzeichen = text(r.value(3));
        q.rstGeg = text(r.value(4));
        q.rstErh = text(r.value(5));
        q.locator = text(r.value(6));
        q.punkte = text(r.value(7));
        q.winkel = text(r.value(8));
        q.kernCall = text(r.value(9));
        q.square = text(r.value(10));
        q.land = text(r.value(11));
        q.kommentar = kommentar < 0 ? QString() : text(r.value(kommentar));
        q.qsl = qsl >= 0 && r.value(qsl).toInt() != 0;
        result.append(std::move(q));
    }
    return result;
}

QsoRecord ContestDatabase::qso(const QString& band, qint64 rowid)
{
    const QList<QsoRecord> found
        = leseQsos(u"SELECT * FROM "_s + bandSql(band) + u" WHERE rowid=?"_s, { rowid });
    if (found.isEmpty())
        throw UserError(u"Die Verbindung ist nicht mehr im Log."_s);
    return found.first();
}

QList<QsoRecord> ContestDatabase::qsos(const QString& band)
{
    return leseQsos(u"SELECT * FROM "_s + bandSql(band) + u" ORDER BY rowid"_s, {});
}

ContestDatabase::Löschen ContestDatabase::letztenLöschen(const QString& band, qint64 rowid)
{
    const QString table = bandSql(band);
    const QVariant letzte = connection_.scalar(u"SELECT max(rowid) FROM "_s + table);
    if (letzte.isNull())
        return Löschen::KeinDatensatz;
    if (letzte.toLongLong() != rowid)
        return Löschen::NichtDerLetzte;
    schreibbarMachen();
    connection_.execute(u"DELETE FROM "_s + table + u" WHERE rowid=?"_s, { rowid });
    return Löschen::Gelöscht;
}

void ContestDatabase::ungültigErklären(const QString& band, qint64 rowid)
{
    schreibbarMachen();
    connection_.execute(
        u"UPDATE "_s + bandSql(band) + u" SET Punkte='-----', Square=' ', Land=' ' WHERE rowid=?"_s,
        { rowid });
}

QList<LogZeile> ContestDatabase::leseZeilen(const QString& sql, const QVariantList& werte)
{
    Rows rows = connection_.select(sql, werte);
    QList<LogZeile> zeilen;
    zeilen.reserve(rows.zeilen.size());
    for (QVariantList& row : rows.zeilen) {
        const qint64 rowid = row.takeFirst().toLongLong();
        zeilen.append({ rowid, std::move(row) });
    }
    return zeilen;
}

QStringList ContestDatabase::spalten(const QString& band)
{
    QStringList namen;
    for (const QVariantList& row : connection_.select(u"PRAGMA table_info("_s + bandSql(band) + u')').zeilen)
        namen.append(row.value(1).toString());
    return namen;
}

QList<qint64> ContestDatabase::rowids(const QString& band)
{
    QList<qint64> ids;
    connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(),
            QString(u"SELECT rowid FROM "_s + bandSql(band) + u" ORDER BY rowid"_s).toStdString());
        while (stmt.executeStep())
            ids.append(stmt.getColumn(0).getInt64());
    });
    return ids;
}

QList<LogZeile> ContestDatabase::zeilen(const QString& band, qint64 vonRowid, qint64 bisRowid)
{
    return leseZeilen(
        u"SELECT rowid,* FROM "_s + bandSql(band) + u" WHERE rowid BETWEEN ? AND ? ORDER BY rowid"_s,
        { vonRowid, bisRowid });
}

QList<LogZeile> ContestDatabase::suchen(const QString& band, const QString& muster)
{
    return leseZeilen(u"SELECT rowid,* FROM "_s + bandSql(band)
            + u" WHERE Rufzeichen LIKE ? OR Locator LIKE ? ORDER BY rowid"_s,
        { muster, muster });
}

QList<LogZeile> ContestDatabase::frühere(const QString& band, const QString& kernCall, const QString& locator)
{
    // Two index searches merged here: one statement with OR would collect and
    // sort the rowids in the engine, the larger part of every key's cost.
    const QString auswahl = u"SELECT rowid,* FROM "_s + bandSql(band) + u" WHERE "_s;
    const QString gültig = u" COLLATE NOCASE AND VAL(Punkte)>0 ORDER BY rowid"_s;
    QList<LogZeile> mitCall = leseZeilen(auswahl + u"KernCall=?"_s + gültig, { kernCall });
    const QList<LogZeile> imLocator = leseZeilen(auswahl + u"Locator=?"_s + gültig, { locator });
    QList<LogZeile> zeilen;
    zeilen.reserve(mitCall.size() + imLocator.size());
    auto a = mitCall.begin();
    auto b = imLocator.cbegin();
    while (a != mitCall.end() || b != imLocator.cend()) {
        if (b == imLocator.cend() || (a != mitCall.end() && a->rowid < b->rowid)) {
            zeilen.append(std::move(*a++));
        } else {
            if (a != mitCall.end() && a->rowid == b->rowid)
                ++a;
            zeilen.append(*b++);
        }
    }
    return zeilen;
}

QList<WertungsZeile> ContestDatabase::wertungsZeilen(const QString& band)
{
    QList<WertungsZeile> zeilen;
    connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(),
            QString(
                u"SELECT rowid,Punkte,Rufzeichen,Land,Square FROM "_s + bandSql(band) + u" ORDER BY rowid"_s)
                .toStdString());
        while (stmt.executeStep()) {
            const auto textSpalte = [&](int i) {
                const SQLite::Column c = stmt.getColumn(i);
                return QString::fromUtf8(c.getText(), c.getBytes());
            };
            zeilen.append(
                { stmt.getColumn(0).getInt64(), textSpalte(1), textSpalte(2), textSpalte(3), textSpalte(4) });
        }
    });
    return zeilen;
}

std::optional<WertungsZeile> ContestDatabase::wertungsZeile(const QString& band, qint64 rowid)
{
    const Rows rows = connection_.select(
        u"SELECT rowid,Punkte,Rufzeichen,Land,Square FROM "_s + bandSql(band) + u" WHERE rowid=?"_s,
        { rowid });
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    const QVariantList& r = rows.zeilen.first();
    return WertungsZeile { r.value(0).toLongLong(), text(r.value(1)), text(r.value(2)), text(r.value(3)),
        text(r.value(4)) };
}

Summen ContestDatabase::summen(const QString& band)
{
    const QString table = bandSql(band);
    Summen s;
    const QVariantList totals
        = connection_
              .select(u"SELECT count(Nummer),Sum(val(Punkte)),Max(val(Punkte)) FROM "_s + table + kGültig)
              .zeilen.value(0);
    s.gültige = totals.value(0).toLongLong();
    s.summe = totals.value(1).toDouble();
    s.maximum = totals.value(2).toDouble();
    if (s.maximum > 0) {
        s.odxCall = text(connection_.scalar(
            u"SELECT Rufzeichen FROM "_s + table + u" WHERE Punkte=? ORDER BY rowid LIMIT 1"_s,
            { totals.value(2).toString() }));
    }
    s.anzahl = connection_.scalar(u"SELECT count(*) FROM "_s + table).toLongLong();
    s.länder = connection_
                   .scalar(u"SELECT count(DISTINCT Land COLLATE NOCASE) FROM "_s + table
                       + u" WHERE trim(Land)<>''"_s)
                   .toLongLong();
    s.großfelder = connection_
                       .scalar(u"SELECT count(DISTINCT Square COLLATE NOCASE) FROM "_s + table
                           + u" WHERE trim(Square)<>''"_s)
                       .toLongLong();
    return s;
}

// -- Exchange-file import --

void ContestDatabase::qsosImportieren(const QString& band, const QList<QsoRecord>& qsos)
{
    schreibbarMachen();
    const QString sql
        = u"INSERT INTO "_s + bandSql(band) + u'(' + feldliste() + u") VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        // One prepared statement for the whole file.
        SQLite::Statement insert(connection_.db(), sql.toStdString());
        for (const QsoRecord& q : qsos) {
            Connection::bind(insert, werteFür(q));
            insert.exec();
            insert.reset();
        }
        transaction.commit();
    });
}

void ContestDatabase::qsosDurchlaufen(const QString& band, const std::function<void(const QsoRecord&)>& je)
{
    // The first twelve fields only: tables of older versions lack Kommentar and QSL.
    QStringList felder;
    for (int i = 0; i < 12; ++i)
        felder.append(quoteIdentifier(QString::fromUtf16(kBandFelder[i].name)));
    const std::string sql
        = QString(u"SELECT "_s + felder.join(u',') + u" FROM "_s + bandSql(band) + u" ORDER BY rowid"_s)
              .toStdString();
    connection_.guarded([&] {
        SQLite::Statement select(connection_.db(), sql);
        const auto spalte = [&](int i) {
            const SQLite::Column c = select.getColumn(i);
            return c.isNull() ? QString()
                              : QString::fromUtf8(static_cast<const char*>(c.getBlob()), c.getBytes());
        };
        QsoRecord q;
        while (select.executeStep()) {
            q.nummer = select.getColumn(0).getInt();
            q.datum = spalte(1);
            q.zeit = spalte(2);
            q.rufzeichen = spalte(3);
            q.rstGeg = spalte(4);
            q.rstErh = spalte(5);
            q.locator = spalte(6);
            q.punkte = spalte(7);
            q.winkel = spalte(8);
            q.kernCall = spalte(9);
            q.square = spalte(10);
            q.land = spalte(11);
            je(q);
        }
    });
}

// -- Known stations --

QList<ContestDatabase::RufzeichenLocator> ContestDatabase::bekannteStationen()
{
    const QStringList vorhanden = bandTabellen();
    QStringList teile;
    int position = 0;
    for (const BandInfo& band : alleBänder()) {
        if (vorhanden.contains(band.tabelle)) {
            teile.append(u"SELECT %1 AS b, rowid AS r, Rufzeichen, Locator FROM "_s.arg(position)
                + bandSql(band.tabelle) + u" WHERE Punkte<>'-----'"_s);
        }
        ++position;
    }
    QList<RufzeichenLocator> result;
    if (teile.isEmpty())
        return result;
    const Rows rows = connection_.select(
        u"SELECT Rufzeichen, Locator FROM ("_s + teile.join(u" UNION ALL "_s) + u") ORDER BY b, r"_s);
    result.reserve(rows.zeilen.size());
    for (const QVariantList& z : rows.zeilen)
        result.append({ text(z.value(0)), text(z.value(1)) });
    return result;
}

// -- QSL labels --

namespace {
const QString kQslBedingung = u" WHERE Rufzeichen LIKE ? AND VAL(Punkte)>?"_s;
const QString kQslUmgekehrt = u"CASE WHEN COALESCE(\"QSL\",0)<>0 THEN 0 ELSE 1 END"_s;
} // namespace

QList<ContestDatabase::QslZeile> ContestDatabase::qslAuswahl(
    const QString& band, const QString& muster, double grenze)
{
    const QString sql = u"SELECT rowid,\"Nummer\",\"Datum\",\"Zeit\",\"Rufzeichen\",\"RST geg\",\"RST erh\","
                        u"\"Punkte\",\"KernCall\",\"QSL\" FROM "_s
        + bandSql(band) + kQslBedingung + u" ORDER BY rowid"_s;
    // Read straight from the statement: the whole band at 50,000 contacts.
    return connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(), sql.toStdString());
        Connection::bind(stmt, { muster, grenze });
        const auto text = [&](int i) {
            const SQLite::Column col = stmt.getColumn(i);
            return QString::fromUtf8(static_cast<const char*>(col.getBlob()), col.getBytes());
        };
        QList<QslZeile> result;
        while (stmt.executeStep()) {
            QslZeile z;
            z.rowid = stmt.getColumn(0).getInt64();
            z.mitNummer = !stmt.getColumn(1).isNull();
            z.qso.nummer = stmt.getColumn(1).getInt();
            z.qso.datum = text(2);
            z.qso.zeit = text(3);
            z.qso.rufzeichen = text(4);
            z.qso.rstGeg = text(5);
            z.qso.rstErh = text(6);
            z.qso.punkte = text(7);
            z.qso.kernCall = text(8);
            z.qso.qsl = stmt.getColumn(9).getInt() != 0;
            result.append(std::move(z));
        }
        return result;
    });
}

void ContestDatabase::qslMarkieren(
    const QString& band, const QString& muster, double grenze, QslMarkierung art)
{
    const QString wert = art == QslMarkierung::Setzen ? u"1"_s
        : art == QslMarkierung::Löschen               ? u"0"_s
                                                      : kQslUmgekehrt;
    connection_.execute(
        u"UPDATE "_s + bandSql(band) + u" SET \"QSL\"="_s + wert + kQslBedingung, { muster, grenze });
}

void ContestDatabase::qslUmschalten(const QString& band, qint64 rowid)
{
    connection_.execute(
        u"UPDATE "_s + bandSql(band) + u" SET \"QSL\"="_s + kQslUmgekehrt + u" WHERE rowid=?"_s, { rowid });
}

// -- Statistics --

QList<ContestDatabase::Gruppe> ContestDatabase::statistikGruppen(const QString& band, Gruppierung nach)
{
    // Grouped case-insensitively, like every other text compare of the contest.
    const QString feld = nach == Gruppierung::Land ? u"IFNULL(Land,'')"_s : u"IFNULL(Square,'')"_s;
    const Rows rows = connection_.select(u"SELECT "_s + feld + u",COUNT(*),SUM(VAL(Punkte)) FROM "_s
            + bandSql(band) + u" WHERE Punkte<>? GROUP BY "_s + feld + u" COLLATE NOCASE"_s,
        { kUngültigePunkte });
    QList<Gruppe> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({ text(r.value(0)), r.value(1).toLongLong(), qRound64(r.value(2).toDouble()) });
    return result;
}

QList<ContestDatabase::Entfernung> ContestDatabase::statistikEntfernungen(
    const QString& band, bool mitUngültigen)
{
    const QString sql = u"SELECT Punkte,Rufzeichen FROM "_s + bandSql(band)
        + (mitUngültigen ? QString() : u" WHERE Punkte<>?"_s) + u" ORDER BY VAL(Punkte) DESC,rowid"_s;
    const Rows rows
        = connection_.select(sql, mitUngültigen ? QVariantList {} : QVariantList { kUngültigePunkte });
    QList<Entfernung> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({ text(r.value(0)), text(r.value(1)) });
    return result;
}

QList<ContestDatabase::Stunde> ContestDatabase::statistikStunden(const QString& band)
{
    const Rows rows = connection_.select(u"SELECT HOUR(Zeit) AS Stunde,COUNT(*),SUM(VAL(Punkte)) FROM "_s
            + bandSql(band) + u" WHERE Punkte<>? AND HOUR(Zeit) BETWEEN 0 AND 23 GROUP BY 1"_s,
        { kUngültigePunkte });
    QList<Stunde> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({ r.value(0).toInt(), r.value(1).toLongLong(), qRound64(r.value(2).toDouble()) });
    return result;
}

// -- Square map --

QList<std::pair<QString, int>> ContestDatabase::großfelderZählen(const QString& band)
{
    const QString table = bandSql(band);
    // An empty TMP costs no write (and no disk sync) on every map view, and a
    // write-protected contest still shows its map.
    if (!schreibgeschützt_ && !connection_.scalar(u"SELECT 1 FROM TMP LIMIT 1"_s).isNull())
        connection_.exec(u"DELETE FROM TMP"_s);
    const Rows rows = connection_.select(u"SELECT COUNT(*) AS \"Anzahl\",SQUARE AS \"Großfeld\" FROM "_s
            + table + u" WHERE Punkte<>? GROUP BY SQUARE"_s,
        { kUngültigePunkte });
    QList<std::pair<QString, int>> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({ text(r.value(1)), r.value(0).toInt() });
    return result;
}

std::optional<QStringList> ContestDatabase::locatorsDerErsten(const QString& band, qint64 n)
{
    // At least one row is read, to tell an empty table from n = 0.
    const Rows rows = connection_.select(
        u"SELECT Locator FROM "_s + bandSql(band) + u" ORDER BY rowid LIMIT ?"_s, { std::max<qint64>(n, 1) });
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    QStringList result;
    if (n <= 0)
        return result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append(text(r.value(0)));
    return result;
}

} // namespace tarvex
