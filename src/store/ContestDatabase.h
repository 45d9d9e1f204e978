#pragma once
#include "Connection.h"
#include "QsoRecord.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace tarvex {

struct StationParameter {
    QString call;
    QString locator;
};

// A contest database file: band tables, TMP and PARAM. Opening checks that the
// file is one of ours and never changes a file it refuses. Band table names come
// only from the band list and are quoted in SQL.
class ContestDatabase {
public:
    // Creates a new contest file with the given band tables (band-list order),
    // TMP and PARAM; refuses a file that exists already (in any letter case).
    static ContestDatabase anlegen(const QString& pfad, const QStringList& bänder,
                                   const StationParameter& station);
    // Opens an existing contest file; UserError when it is missing, foreign or damaged.
    static ContestDatabase öffnen(const QString& pfad);

    const QString& pfad() const { return connection_.pfad(); }
    Connection& connection() { return connection_; }

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

    // Appends one contact in its own durable transaction. beforeCommit runs inside
    // the transaction after the insert; if it throws, nothing is stored.
    void qsoAnhängen(const QString& band, const QsoRecord& qso,
                     const std::function<void()>& beforeCommit = {});
    // Replaces every field of the contact with this rowid.
    void qsoÄndern(const QString& band, qint64 rowid, const QsoRecord& qso);
    QsoRecord qso(const QString& band, qint64 rowid);
    QList<QsoRecord> qsos(const QString& band);
    // The "?" search: Rufzeichen or Locator matching the operator's pattern.
    QList<QsoRecord> suchen(const QString& band, const QString& muster);

    // Reads and writes of the output and analysis windows, one block each.

    // -- Exchange-file import --
    // Appends the contacts in stored order in one durable transaction: all of
    // them or, when anything fails, none.
    void qsosImportieren(const QString& band, const QList<QsoRecord>& qsos);

    // -- QSL labels --

    // -- Statistics --

    // -- Square map --

    static constexpr int kApplicationId = 0x54727678; // "Trvx"
    static constexpr int kSchemaVersion = 1;

private:
    explicit ContestDatabase(Connection connection);
    QString bandSql(const QString& band) const;
    QList<QsoRecord> leseQsos(const QString& sql, const QVariantList& werte);

    Connection connection_;
};

} // namespace tarvex
