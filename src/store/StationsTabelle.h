#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

class Connection;

// The STATIONS table of CONTEST.DAT as the known-stations import writes it.
// A whole import is handed over at once and compared with the table in one
// join, so its cost is that of the rows written, not a query per station.
// Engine failures reach the caller as SQLite exceptions: run it inside guarded().
class StationsTabelle {
public:
    struct Neu {
        QString call;
        QString locators;
    };
    // The table's rows of a call of the import, in stored order.
    struct Vorhanden {
        qsizetype nr = 0; // index in the list handed to vormerken()
        QList<qint64> rowids;
        QStringList locators;
    };

    // UserError when the file has no STATIONS table.
    explicit StationsTabelle(Connection& contestDat);
    // UserError when the file has no STATIONS table: then it is no CONTEST.DAT.
    static void prüfen(Connection& contestDat);
    ~StationsTabelle();

    // Without an index on CALL every station looked at is a scan of the whole table.
    void indexSicherstellen();
    // The calls of an import, each once, into a scratch table of this connection.
    void vormerken(const QList<Neu>& stationen);
    // Of the noted calls, those the table has.
    QList<Vorhanden> vorhandene();
    // Every noted call the table does not have yet, as a row of its own.
    void neueAnlegen();
    // The row erste holds the locators; the call's other rows go.
    void zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators);

private:
    Connection& db_;
    bool vorgemerkt_ = false;
    qint64 alterCache_ = -2000;
};

} // namespace tarvex
