#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

namespace tarvex {

class Connection;

// The STATIONS table of CONTEST.DAT as the known-stations import writes it.
// An import is handed over sorted by call and walked once with prepared
// statements: each call costs one probe of the call index and one write.
// Engine failures reach the caller as SQLite exceptions: run it inside guarded().
class StationsTabelle {
public:
    // UserError when the file has no STATIONS table.
    explicit StationsTabelle(Connection& contestDat);
    // UserError when the file has no STATIONS table: then it is no CONTEST.DAT.
    static void prüfen(Connection& contestDat);
    ~StationsTabelle();

    // Without an index on CALL every station looked at is a scan of the whole table.
    void indexSicherstellen();

    // A call's rows in stored order; empty when the table does not have it.
    struct Zeilen {
        QList<qint64> rowids;
        QStringList locators;
    };
    Zeilen lesen(const QByteArray& call);
    // The row erste holds the locators; the call's other rows go.
    void zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators);
    // A row for a call the table does not have. Rows are written in bundles: lesen()
    // does not see them before abschließen(), so each call is handed over once.
    void anlegen(const QByteArray& call, const QByteArray& locators);
    // Writes the rows still held; before the commit.
    void abschließen();

private:
    struct Anweisungen;
    Connection& db_;
    std::unique_ptr<Anweisungen> anweisungen_;
    std::vector<std::pair<QByteArray, QByteArray>> offen_;
    qint64 alterCache_ = -2000;
};

} // namespace tarvex
