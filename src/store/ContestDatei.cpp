#include "ContestDatei.h"

#include "BandList.h"
#include "BandTabelle.h"
#include "DatenbankFehler.h"
#include "FilePaths.h"
#include "Journal.h"
#include "JournalAbgleich.h"
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

void parameterEintragen(Connection& c, const StationParameter& station)
{
    c.execute(u"INSERT INTO PARAM([Call],[Locator]) VALUES(?,?)"_s, { station.call, station.locator });
}

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

ContestDatei::ContestDatei(Connection connection, bool schreibgeschützt, NurLesen grund)
    : connection_(std::move(connection))
    , schreibgeschützt_(schreibgeschützt)
    , nurLesen_(grund)
{
}

ContestDatei::~ContestDatei()
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

void ContestDatei::fürSchreibenEinrichten()
{
    // One fsync'd append to the -wal file per save.
    connection_.exec(u"PRAGMA journal_mode=WAL"_s);
    connection_.exec(u"PRAGMA synchronous=FULL"_s);
}

ContestDatei ContestDatei::anlegen(
    const QString& pfad, const QStringList& bänder, const StationParameter& station)
{
    if (existsCaseInsensitive(pfad))
        throw UserError(u"Die Datei %1 existiert bereits."_s.arg(shown(pfad)));
    for (const QString& band : bänder) {
        if (!istBandTabelle(band))
            throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    }
    try {
        ContestDatei db(Connection(pfad, Connection::Zugriff::Anlegen), false);
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
            JournalAbgleich::tabelleAnlegen(c);
            parameterEintragen(c, station);
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

ContestDatei ContestDatei::öffnen(const QString& pfad)
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
            ContestDatei prüfung(Connection(datei, lesen), true);
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
    const auto nurLesen = [&](NurLesen grund) { return ContestDatei(Connection(datei, lesen), true, grund); };
    if (!schreibbar)
        return nurLesen(QFileInfo(datei).isWritable() ? NurLesen::Verzeichnis : NurLesen::Datei);
    if (datenträgerVoll(datei))
        return nurLesen(NurLesen::Voll);
    try {
        ContestDatei db(Connection(datei, Connection::Zugriff::LesenSchreiben), false);
        db.fürSchreibenEinrichten();
        Connection& c = db.connection_;
        c.guarded([&] {
            SQLite::Transaction transaction(c.db());
            for (const QString& band : db.bandTabellen()) {
                for (const QString& sql : createIndexSql(band))
                    c.exec(sql);
            }
            if (!c.hatTabelle(u"JOURNAL"_s)) {
                // Written by an earlier version: the journal as it is counts as matching.
                JournalAbgleich::tabelleAnlegen(c);
                JournalAbgleich::stelleEintragen(c, Journal(journalPfad(datei)).größe());
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

std::optional<QString> ContestDatei::nurLesenHinweis() const
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

void ContestDatei::schreibbarMachen()
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

QStringList ContestDatei::tabellen()
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

QStringList ContestDatei::bandTabellen()
{
    QStringList result = tabellen();
    result.erase(
        std::remove_if(result.begin(), result.end(), [](const QString& t) { return !istBandTabelle(t); }),
        result.end());
    return result;
}

void ContestDatei::bandTabelleAufrüsten(const QString& band)
{
    const QString table = bandTabelleSql(band);
    const int felder = feldAnzahl(band);
    const bool kommentarFehlt = felder < 13;
    const bool qslFehlt = felder < 14;
    if (!kommentarFehlt && !qslFehlt)
        return;
    schreibbarMachen();
    if (kommentarFehlt)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"Kommentar\" TEXT(12)"_s);
    if (qslFehlt)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"QSL\" BOOLEAN"_s);
}

bool ContestDatei::hilfstabellenSicherstellen(const StationParameter& station)
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
        parameterEintragen(connection_, station);
        transaction.commit();
    });
    return true;
}

int ContestDatei::feldAnzahl(const QString& tabelle)
{
    return static_cast<int>(
        connection_.select(u"PRAGMA table_info("_s + quoteIdentifier(tabelle) + u')').zeilen.size());
}

std::optional<StationParameter> ContestDatei::parameter()
{
    const Rows rows = connection_.select(u"SELECT [Call],[Locator] FROM PARAM ORDER BY rowid LIMIT 1"_s);
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    return StationParameter { text(rows.zeilen[0].value(0)), text(rows.zeilen[0].value(1)) };
}

} // namespace tarvex
