#pragma once
#include "BandTabelle.h"
#include "ContestDatei.h"
#include "Journal.h"
#include "JournalAbgleich.h"
#include "KartenAbfrage.h"
#include "QslAbfrage.h"
#include "QsoRecord.h"
#include "StationenAbfrage.h"
#include "Summen.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tarvex {

// An open contest: its file and its text journal. What the program holds while
// a contest is open; the file, the band tables, the journal's mending and the
// windows' reads each have their own class, and the save, which needs both the
// file and the journal, is here. Every value is a bound parameter.
class ContestDatabase {
public:
    // Creates a new contest file with the given band tables (band-list order),
    // TMP, PARAM and JOURNAL; refuses a file that exists already (in any letter case).
    static ContestDatabase anlegen(
        const QString& pfad, const QStringList& bänder, const StationParameter& station);
    // Opens an existing contest file; UserError when it is missing, foreign,
    // damaged or used by another program. A write-protected file opens read-only.
    static ContestDatabase öffnen(const QString& pfad);
    ContestDatabase(ContestDatabase&&) noexcept = default;
    ContestDatabase& operator=(ContestDatabase&&) noexcept = default;

    const QString& pfad() const { return datei_.pfad(); }
    Journal& journal() { return journal_; }
    Connection& verbindung() { return datei_.verbindung(); }
    // Changes to the file since it was opened, through this connection (rows,
    // also of statements rolled back) or committed by any other: equal values
    // mean nothing has been written in between. The QSL marks do not count:
    // they change no score.
    qint64 änderungen();
    // True while the file could only be opened for reading.
    bool schreibgeschützt() const { return datei_.schreibgeschützt(); }
    // Why, in the operator's words (write protection, a protected folder, a full
    // disk), when the file was opened only for reading.
    std::optional<QString> nurLesenHinweis() const { return datei_.nurLesenHinweis(); }
    // Reopens a write-protected file for writing when that has become possible;
    // UserError ("schreibgeschützt") when it is still not.
    void schreibbarMachen() { datei_.schreibbarMachen(); }

    // Band tables ascending by name, then every other table ascending.
    QStringList tabellen() { return datei_.tabellen(); }
    QStringList bandTabellen() { return datei_.bandTabellen(); }
    int feldAnzahl(const QString& tabelle) { return datei_.feldAnzahl(tabelle); }

    // Appends Kommentar to a band table with fewer than 13 fields and QSL to one
    // with fewer than 14.
    void bandTabelleAufrüsten(const QString& band) { datei_.bandTabelleAufrüsten(band); }

    // Creates TMP and PARAM when missing; a new PARAM gets the given station.
    // Returns true when PARAM had to be created.
    bool hilfstabellenSicherstellen(const StationParameter& station)
    {
        return datei_.hilfstabellenSicherstellen(station);
    }
    std::optional<StationParameter> parameter() { return datei_.parameter(); }

    using Abgleich = JournalAbgleich::Art;
    std::optional<QString> journalAbgleichen(Abgleich art = Abgleich::Ganz);

    // The save: the row and its journal line, both or neither. Fields are cut
    // to their widths. Returns the new row's rowid.
    qint64 qsoSpeichern(const QString& band, const QsoRecord& qso, const QString& journalZeile);
    // Replaces every field of the contact with this rowid (cut to the widths).
    void qsoÄndern(const QString& band, qint64 rowid, const QsoRecord& qso);
    QsoRecord qso(const QString& band, qint64 rowid);
    // Every contact of the band in stored order.
    QList<QsoRecord> qsos(const QString& band);

    enum class Löschen { Gelöscht, NichtDerLetzte, KeinDatensatz };
    // Deletes the contact only when it is the band's last one.
    Löschen letztenLöschen(const QString& band, qint64 rowid);
    // The contact counts nowhere any more (see ungültigMachen).
    void ungültigErklären(const QString& band, qint64 rowid);

    // The log list: field names, the rowids in stored order, and rows by rowid range.
    QStringList spalten(const QString& band);
    QList<qint64> rowids(const QString& band);
    QList<LogZeile> zeilen(const QString& band, qint64 vonRowid, qint64 bisRowid);
    // The "?" search: Rufzeichen or Locator like the operator's pattern.
    QList<LogZeile> suchen(const QString& band, const QString& muster);
    // Earlier valid contacts with this core call or in this locator, compared
    // as text without regard to case (a "*" in a call is just a character).
    QList<LogZeile> frühere(const QString& band, const QString& kernCall, const QString& locator);

    // The running score: what it needs of every contact.
    qint64 anzahl(const QString& band);
    // From a rowid on: the contacts an import added.
    QList<WertungsZeile> wertungsZeilen(const QString& band, qint64 abRowid = 0);
    // Every contact of the band, one at a time: how a band's score is loaded.
    void jedeWertungsZeile(const QString& band, const std::function<void(const WertungsZeile&)>& je);
    std::optional<WertungsZeile> wertungsZeile(const QString& band, qint64 rowid);

    static constexpr int kApplicationId = ContestDatei::kApplicationId;
    static constexpr int kSchemaVersion = ContestDatei::kSchemaVersion;

    // -- Exchange files --
    // Appends the contacts in stored order in one durable transaction: all of
    // them or, when anything fails, none.
    // Returns the rowid of the first contact added (0 for none).
    qint64 qsosImportieren(const QString& band, const QList<QsoRecord>& qsos);
    // The export's pass over the band: Nummer to Land of every contact in stored
    // order, one at a time, without holding the band in memory.
    void qsosDurchlaufen(const QString& band, const std::function<void(const QsoRecord&)>& je);

    // -- The windows' reads --
    QList<StationenAbfrage::RufzeichenLocator> bekannteStationen();
    void bekannteStationen(const StationenAbfrage::JePaar& je);
    QList<QslAbfrage::Zeile> qslAuswahl(const QString& band, const QString& muster, double grenze);
    QList<QslAbfrage::Marke> qslMarken(
        const QString& band, const QString& muster, double grenze, qint64 nach, qsizetype höchstens);
    QList<QslAbfrage::Anzeige> qslAnzeige(
        const QString& band, const QString& muster, double grenze, qint64 von, qint64 bis);
    void qslMarkieren(const QString& band, const QString& muster, double grenze, QslAbfrage::Markierung art);
    void qslUmschalten(const QString& band, qint64 rowid);
    // The square views leave nothing behind in TMP.
    void tmpLeeren();

private:
    explicit ContestDatabase(ContestDatei datei);
    BandTabelle tabelleVon(const QString& band) { return BandTabelle(datei_.verbindung(), band); }

    ContestDatei datei_;
    qint64 qslÄnderungen_ = 0; // rows changed by the QSL marks, which no score reads
    Journal journal_;
};

} // namespace tarvex
