#pragma once
#include <QList>
#include <QString>

namespace tarvex {

class Connection;

// The LOGSTATIONS table of CONTEST.DAT: the known stations a bulk import of published
// logs brought, kept apart from STATIONS (hand lists, own contests), so that the next
// import replaces them without touching what the operator put there. Files from before
// the bulk import lack it; the first import creates it. Engine failures reach the
// caller as SQLite exceptions: run it inside guarded() and a transaction.
class LogStationsTabelle {
public:
    struct Zeile {
        QString call;
        QString locators; // the LOCATORS codec, most recent first
        QString logs; // per locator the number of logs that hold it, "5 3"
    };

    // UserError when the file has no STATIONS table: then it is no CONTEST.DAT.
    explicit LogStationsTabelle(Connection& contestDat);

    // Everything an earlier bulk import wrote goes; zeilen take its place.
    void ersetzen(const QList<Zeile>& zeilen);

    static bool vorhanden(Connection& contestDat);

private:
    Connection& db_;
};

} // namespace tarvex
