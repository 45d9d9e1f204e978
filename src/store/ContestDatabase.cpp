#include "ContestDatabase.h"

#include "FilePaths.h"
#include "WertungsAbfrage.h"
#include "common/UserError.h"

#include <SQLiteCpp/Transaction.h>

namespace tarvex {

using namespace Qt::StringLiterals;

ContestDatabase::ContestDatabase(ContestDatei datei)
    : datei_(std::move(datei))
    , journal_(journalPfad(datei_.pfad()))
{
}

ContestDatabase ContestDatabase::anlegen(
    const QString& pfad, const QStringList& bänder, const StationParameter& station)
{
    return ContestDatabase(ContestDatei::anlegen(pfad, bänder, station));
}

ContestDatabase ContestDatabase::öffnen(const QString& pfad)
{
    return ContestDatabase(ContestDatei::öffnen(pfad));
}

std::optional<QString> ContestDatabase::journalAbgleichen(Abgleich art)
{
    if (datei_.schreibgeschützt())
        return std::nullopt;
    return JournalAbgleich(datei_.verbindung(), journal_).abgleichen(art);
}

qint64 ContestDatabase::qsoSpeichern(const QString& band, const QsoRecord& q, const QString& journalZeile)
{
    schreibbarMachen();
    Connection& c = datei_.verbindung();
    BandTabelle tabelle = tabelleVon(band);
    // Row and journal line in one transaction with one fsync: the line is kept
    // in the file's JOURNAL table too. A failed write or commit cuts the text
    // line again; a crash before the commit leaves a line beyond the recorded
    // end, a power cut after it may take the line from the text file: the next
    // opening mends either.
    qint64 journalVorher = -1;
    try {
        return c.guarded([&] {
            SQLite::Transaction transaction(c.db());
            const qint64 rowid = tabelle.einfügen(q);
            journalVorher = journal_.größe();
            JournalAbgleich::zeileEintragen(c, journalZeile, journalVorher + Journal::länge(journalZeile));
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
    tabelleVon(band).ändern(rowid, q);
}

QsoRecord ContestDatabase::qso(const QString& band, qint64 rowid)
{
    const std::optional<QsoRecord> q = tabelleVon(band).qso(rowid);
    if (!q)
        throw UserError(u"Die Verbindung ist nicht mehr im Log."_s);
    return *q;
}

QList<QsoRecord> ContestDatabase::qsos(const QString& band)
{
    return tabelleVon(band).qsos();
}

ContestDatabase::Löschen ContestDatabase::letztenLöschen(const QString& band, qint64 rowid)
{
    BandTabelle tabelle = tabelleVon(band);
    const std::optional<qint64> letzte = tabelle.letzteRowid();
    if (!letzte)
        return Löschen::KeinDatensatz;
    if (*letzte != rowid)
        return Löschen::NichtDerLetzte;
    schreibbarMachen();
    tabelle.löschen(rowid);
    return Löschen::Gelöscht;
}

void ContestDatabase::ungültigErklären(const QString& band, qint64 rowid)
{
    schreibbarMachen();
    tabelleVon(band).ungültigErklären(rowid);
}

QStringList ContestDatabase::spalten(const QString& band)
{
    return tabelleVon(band).spalten();
}

QList<qint64> ContestDatabase::rowids(const QString& band)
{
    return tabelleVon(band).rowids();
}

QList<LogZeile> ContestDatabase::zeilen(const QString& band, qint64 vonRowid, qint64 bisRowid)
{
    return tabelleVon(band).zeilen(vonRowid, bisRowid);
}

QList<LogZeile> ContestDatabase::suchen(const QString& band, const QString& muster)
{
    return tabelleVon(band).suchen(muster);
}

QList<LogZeile> ContestDatabase::frühere(const QString& band, const QString& kernCall, const QString& locator)
{
    return tabelleVon(band).frühere(kernCall, locator);
}

QList<WertungsZeile> ContestDatabase::wertungsZeilen(const QString& band, qint64 abRowid)
{
    return WertungsAbfrage(datei_.verbindung()).zeilen(band, abRowid);
}

void ContestDatabase::jedeWertungsZeile(
    const QString& band, const std::function<void(const WertungsZeile&)>& je)
{
    WertungsAbfrage(datei_.verbindung()).jedeZeile(band, 0, je);
}

qint64 ContestDatabase::anzahl(const QString& band)
{
    return WertungsAbfrage(datei_.verbindung()).anzahl(band);
}

std::optional<WertungsZeile> ContestDatabase::wertungsZeile(const QString& band, qint64 rowid)
{
    return WertungsAbfrage(datei_.verbindung()).zeile(band, rowid);
}

qint64 ContestDatabase::qsosImportieren(const QString& band, const QList<QsoRecord>& qsos)
{
    schreibbarMachen();
    return tabelleVon(band).importieren(qsos);
}

void ContestDatabase::qsosDurchlaufen(const QString& band, const std::function<void(const QsoRecord&)>& je)
{
    tabelleVon(band).durchlaufen(je);
}

QList<StationenAbfrage::RufzeichenLocator> ContestDatabase::bekannteStationen()
{
    return StationenAbfrage(datei_.verbindung()).bekannteStationen(bandTabellen());
}

void ContestDatabase::bekannteStationen(const StationenAbfrage::JePaar& je)
{
    StationenAbfrage(datei_.verbindung()).bekannteStationen(bandTabellen(), je);
}

QList<QslAbfrage::Zeile> ContestDatabase::qslAuswahl(
    const QString& band, const QString& muster, double grenze)
{
    return QslAbfrage(datei_.verbindung()).auswahl(band, muster, grenze);
}

QList<QslAbfrage::Marke> ContestDatabase::qslMarken(
    const QString& band, const QString& muster, double grenze, qint64 nach, qsizetype höchstens)
{
    return QslAbfrage(datei_.verbindung()).marken(band, muster, grenze, nach, höchstens);
}

QList<QslAbfrage::Anzeige> ContestDatabase::qslAnzeige(
    const QString& band, const QString& muster, double grenze, qint64 von, qint64 bis)
{
    return QslAbfrage(datei_.verbindung()).anzeige(band, muster, grenze, von, bis);
}

void ContestDatabase::qslMarkieren(
    const QString& band, const QString& muster, double grenze, QslAbfrage::Markierung art)
{
    const int vorher = datei_.verbindung().db().getTotalChanges();
    QslAbfrage(datei_.verbindung()).markieren(band, muster, grenze, art);
    qslÄnderungen_ += datei_.verbindung().db().getTotalChanges() - vorher;
}

void ContestDatabase::qslUmschalten(const QString& band, qint64 rowid)
{
    const int vorher = datei_.verbindung().db().getTotalChanges();
    QslAbfrage(datei_.verbindung()).umschalten(band, rowid);
    qslÄnderungen_ += datei_.verbindung().db().getTotalChanges() - vorher;
}

void ContestDatabase::tmpLeeren()
{
    if (!datei_.schreibgeschützt())
        KartenAbfrage(datei_.verbindung()).tmpLeeren();
}

qint64 ContestDatabase::änderungen()
{
    SQLite::Database& db = datei_.verbindung().db();
    // data_version moves only with the commits of other connections.
    const qint64 andere = db.execAndGet("PRAGMA data_version").getInt64();
    return (andere << 32) + db.getTotalChanges() - qslÄnderungen_;
}

} // namespace tarvex
