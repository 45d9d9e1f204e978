#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvex {

class Connection;

// The STATIONS table of CONTEST.DAT as the known-stations import writes it.
// An import is handed over sorted by call: the stored rows of its calls are read
// with one probe of the call index each, then each call costs at most one write,
// new rows in the index's order. Read ahead, the calls the table lacks are written while the rows
// of the others are read on another connection.
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
    // Starts reading the stored calls on a thread of its own while the caller gathers the
    // calls to ask about; fragen() then asks the engine only about calls the table has.
    // Inside the caller's immediate transaction, after indexSicherstellen() and before any
    // write: no other program writes meanwhile, and the thread sees what fragen() would.
    void vorauslesen();

    // A stored row of one of the calls asked for; nr is the call's place in the question.
    struct Zeile {
        std::size_t nr;
        qint64 rowid;
        QString locators;
    };
    // Asks about the calls; the places, in order, of those the table may have. The others
    // it does not have: they may be written with anlegen() before antworten().
    std::vector<std::size_t> fragen(const std::vector<std::string_view>& calls);
    // The rows of the calls asked about (each once), by their place in the question, then
    // in stored order. A call the table does not have yields no row.
    std::vector<Zeile> antworten();
    // The row erste holds the locators; the call's other rows go. Held until abschließen(),
    // which writes the changes in stored order.
    void zusammenfassen(qint64 erste, const QList<qint64>& übrige, const QString& locators);
    // A row for a call the table does not have. Rows are written in bundles: fragen()
    // does not see them before abschließen(), so each call is handed over once.
    void anlegen(std::string call, std::string locators);
    // Writes the changes and rows still held; before the commit.
    void abschließen();

private:
    struct Anweisungen;
    struct Antwort;
    struct Voraus;
    // The places of the calls to ask the engine about: all of them, or after vorauslesen()
    // those stored and those the read-ahead cannot tell.
    std::vector<std::size_t> zuFragen(const std::vector<std::string_view>& calls);
    // Whether the stored calls are there to look at; drops the read-ahead when not.
    bool vorausGelesen(std::size_t calls);
    Connection& db_;
    std::unique_ptr<Anweisungen> anweisungen_;
    std::unique_ptr<Voraus> voraus_;
    std::vector<std::size_t> gefragt_;
    std::vector<std::string> frage_;
    std::unique_ptr<Antwort> antwort_;
    bool indexNeu_ = false;
    std::vector<std::pair<std::string, std::string>> offen_;
    std::vector<std::pair<qint64, std::optional<std::string>>> änderungen_;
    qint64 alterCache_ = -2000;
};

} // namespace tarvex
