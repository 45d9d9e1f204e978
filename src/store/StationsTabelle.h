#pragma once
#include <QList>
#include <QString>
#include <SQLiteCpp/Statement.h>
#include <optional>

namespace tarvex {

class Connection;

// The STATIONS table of CONTEST.DAT as the known-stations import writes it:
// rows of a call, a new row, and one call's rows made into one. Engine
// failures reach the caller as SQLite exceptions: run it inside guarded().
class StationsTabelle {
public:
    struct Zeile {
        qint64 rowid = 0;
        QString locators;
    };

    // UserError when the file has no STATIONS table.
    explicit StationsTabelle(Connection& contestDat);

    // Without an index on CALL every station looked at is a scan of the whole table.
    void indexSicherstellen();
    QList<Zeile> zeilen(const QString& call);
    void anlegen(const QString& call, const QString& locators);
    // The row erste holds the locators; the call's other rows go.
    void zusammenfassen(const QString& call, qint64 erste, const QString& locators);

private:
    Connection& db_;
    // Prepared once for the whole import: it asks and writes once per station.
    std::optional<SQLite::Statement> lesen_;
    std::optional<SQLite::Statement> anlegen_;
};

} // namespace tarvex
