#pragma once
#include "Connection.h"

#include <QStringList>
#include <optional>

namespace tarvex {

struct StationParameter {
    QString call;
    QString locator;
};

// The contest file itself: created, identified, refused or upgraded on opening,
// and checkpointed into the one .mdb file when it is closed. Opening checks the
// file read-only first and never changes a file it refuses. The file is kept
// open and in WAL mode while the contest is open.
class ContestDatei {
public:
    // Creates a new contest file with the given band tables (band-list order),
    // TMP, PARAM and JOURNAL; refuses a file that exists already (in any letter case).
    static ContestDatei anlegen(
        const QString& pfad, const QStringList& bänder, const StationParameter& station);
    // Opens an existing contest file; UserError when it is missing, foreign,
    // damaged or used by another program. A write-protected file opens read-only.
    static ContestDatei öffnen(const QString& pfad);
    ~ContestDatei();
    ContestDatei(ContestDatei&&) noexcept = default;
    ContestDatei& operator=(ContestDatei&&) noexcept = default;

    const QString& pfad() const { return connection_.pfad(); }
    Connection& verbindung() { return connection_; }
    bool schreibgeschützt() const { return schreibgeschützt_; }
    std::optional<QString> nurLesenHinweis() const;
    // Reopens a write-protected file for writing when that has become possible;
    // UserError ("schreibgeschützt") when it is still not.
    void schreibbarMachen();

    // Band tables ascending by name, then every other table ascending.
    QStringList tabellen();
    QStringList bandTabellen();
    int feldAnzahl(const QString& tabelle);

    void bandTabelleAufrüsten(const QString& band);
    bool hilfstabellenSicherstellen(const StationParameter& station);
    std::optional<StationParameter> parameter();

    static constexpr int kApplicationId = 0x54727678; // "Trvx"
    static constexpr int kSchemaVersion = 2;

private:
    enum class NurLesen { Nein, Datei, Verzeichnis, Voll };
    ContestDatei(Connection connection, bool schreibgeschützt, NurLesen grund = NurLesen::Nein);
    void fürSchreibenEinrichten();

    Connection connection_;
    bool schreibgeschützt_ = false;
    NurLesen nurLesen_ = NurLesen::Nein;
};

} // namespace tarvex
