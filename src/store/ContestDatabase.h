#pragma once
#include "Connection.h"
#include "Journal.h"
#include "QsoRecord.h"
#include "Summen.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tarvex {

struct StationParameter {
    QString call;
    QString locator;
};

// One row of a band table as the log list shows it: the rowid, then every field in stored order.
struct LogZeile {
    qint64 rowid = 0;
    QVariantList werte;
};

// A contest file and its text journal: band tables, TMP, PARAM and JOURNAL (the
// journal's size at the last save). Every statement on a contest file is here.
// Opening checks the file read-only first and never changes a file it refuses.
// Band table names come only from the band list and are quoted in SQL; every
// value is a bound parameter. The file is kept open and in WAL mode while the
// contest is open, and checkpointed into the one .mdb file when it is closed.
class ContestDatabase {
public:
    // Creates a new contest file with the given band tables (band-list order),
    // TMP, PARAM and JOURNAL; refuses a file that exists already (in any letter case).
    static ContestDatabase anlegen(
        const QString& pfad, const QStringList& bänder, const StationParameter& station);
    // Opens an existing contest file; UserError when it is missing, foreign,
    // damaged or used by another program. A write-protected file opens read-only.
    static ContestDatabase öffnen(const QString& pfad);
    ~ContestDatabase();
    ContestDatabase(ContestDatabase&&) noexcept = default;
    ContestDatabase& operator=(ContestDatabase&&) noexcept = default;

    const QString& pfad() const { return connection_.pfad(); }
    Journal& journal() { return journal_; }
    // True while the file could only be opened for reading.
    bool schreibgeschützt() const { return schreibgeschützt_; }
    // Why, in the operator's words (write protection, a protected folder, a full
    // disk), when the file was opened only for reading.
    std::optional<QString> nurLesenHinweis() const;
    // Reopens a write-protected file for writing when that has become possible;
    // UserError ("schreibgeschützt") when it is still not.
    void schreibbarMachen();

    // Band tables ascending by name, then every other table ascending.
    QStringList tabellen();
    QStringList bandTabellen();
    int feldAnzahl(const QString& tabelle);

    enum class Aufrüstung { NurKommentar, KommentarUndQsl };
    // Appends Kommentar to a band table with fewer than 13 fields and, with
    // KommentarUndQsl, QSL to one that then has fewer than 14.
    void bandTabelleAufrüsten(const QString& band, Aufrüstung art);

    // Creates TMP and PARAM when missing; a new PARAM gets the given station.
    // Returns true when PARAM had to be created.
    bool hilfstabellenSicherstellen(const StationParameter& station);
    std::optional<StationParameter> parameter();

    // Makes the text journal hold exactly the recorded lines again: a line (or
    // part of one) of a contact never stored is cut, lost or damaged lines of
    // stored contacts are written again. Ganz compares every recorded line with
    // the file (after a power cut, at opening); NurEnde only looks at the size
    // (before a save). Returns the note for the operator when something was mended.
    enum class Abgleich { Ganz, NurEnde };
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
    // Punkte "-----", Square and Land a blank: the contact counts nowhere.
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

    // The running score: what it needs of every contact, and the totals computed
    // afresh by the statements themselves (the reference the kept score must equal).
    QList<WertungsZeile> wertungsZeilen(const QString& band);
    std::optional<WertungsZeile> wertungsZeile(const QString& band, qint64 rowid);
    Summen summen(const QString& band);

    // Fault injection for tests: when the hook returns true, the next commits fail.
    void setCommitFehler(std::function<bool()> fehler);

    static constexpr int kApplicationId = 0x54727678; // "Trvx"
    static constexpr int kSchemaVersion = 2;

    // Reads and writes of the output and analysis windows, one block each.

    // -- Exchange-file import --
    // Appends the contacts in stored order in one durable transaction: all of
    // them or, when anything fails, none.
    void qsosImportieren(const QString& band, const QList<QsoRecord>& qsos);
    // The export's pass over the band: Nummer to Land of every contact in stored
    // order, one at a time, without holding the band in memory.
    void qsosDurchlaufen(const QString& band, const std::function<void(const QsoRecord&)>& je);

    // -- Known stations --

    struct RufzeichenLocator {
        QString rufzeichen;
        QString locator;
    };
    // Call and locator of every valid contact on all bands: bands in band-list
    // order, contacts in stored order. One statement.
    QList<RufzeichenLocator> bekannteStationen();

    // -- QSL labels --

    // A contact of the QSL selection with its place in the band table.
    struct QslZeile {
        qint64 rowid = 0;
        bool mitNummer = true; // false when Nummer is empty
        QsoRecord qso;
    };
    enum class QslMarkierung { Setzen, Löschen, Umkehren };
    // Contacts whose Rufzeichen is like the operator's pattern and whose points
    // (VAL) exceed the limit, in stored order. An absent mark reads as false.
    QList<QslZeile> qslAuswahl(const QString& band, const QString& muster, double grenze);
    // Sets, clears or inverts the mark of every contact of that selection.
    void qslMarkieren(const QString& band, const QString& muster, double grenze, QslMarkierung art);
    // Inverts the stored mark of one contact.
    void qslUmschalten(const QString& band, qint64 rowid);

    // -- Statistics --

    // Valid contacts of a band grouped by country or large square (a missing
    // name is a group with an empty name): number of contacts and VAL sum of points.
    struct Gruppe {
        QString name;
        qint64 anzahl = 0;
        qint64 punkte = 0;
    };
    enum class Gruppierung { Land, Square };
    QList<Gruppe> statistikGruppen(const QString& band, Gruppierung nach);
    // Punkte and Rufzeichen by VAL(Punkte) descending, equal points in stored
    // order; invalid contacts ("-----", counted as 0) only when asked for.
    struct Entfernung {
        QString punkte;
        QString rufzeichen;
    };
    QList<Entfernung> statistikEntfernungen(const QString& band, bool mitUngültigen);
    // Valid contacts per UTC hour of Zeit (date ignored); hours outside 0..23 are left out.
    struct Stunde {
        int stunde = 0;
        qint64 anzahl = 0;
        qint64 punkte = 0;
    };
    QList<Stunde> statistikStunden(const QString& band);

    // -- Square map --

    // Empties TMP (the square views leave nothing behind there) and counts the
    // valid contacts per large square: one grouped query.
    QList<std::pair<QString, int>> großfelderZählen(const QString& band);
    // Locator of the first n contacts in stored order, invalid ones included;
    // nothing when the band table has no row at all.
    std::optional<QStringList> locatorsDerErsten(const QString& band, qint64 n);

private:
    ContestDatabase(Connection connection, bool schreibgeschützt);
    QString bandSql(const QString& band) const;
    void fürSchreibenEinrichten();
    QList<QsoRecord> leseQsos(const QString& sql, const QVariantList& werte);
    QList<LogZeile> leseZeilen(const QString& sql, const QVariantList& werte);

    Connection connection_;
    Journal journal_;
    bool schreibgeschützt_ = false;
    enum class NurLesen { Nein, Datei, Verzeichnis, Voll } nurLesen_ = NurLesen::Nein;
    std::function<bool()> commitFehler_;
};

} // namespace tarvex
