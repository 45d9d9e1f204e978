#pragma once
#include "store/ContestDatabase.h"
#include "store/Summen.h"

#include <functional>

namespace tarvex::test {

// The running totals computed afresh by SQL statements alone: the reference
// the score the program keeps must equal.
Summen summenAusDatei(ContestDatabase& db, const QString& band);
// The valid contacts' groups the same way, each as "KEY count points" in key order.
QStringList gruppenAusDatei(ContestDatabase& db, const QString& band, Gruppierung nach);
// The valid contacts per hour the same way.
QList<Stundensumme> stundenAusDatei(ContestDatabase& db, const QString& band);
// The distance list the same way.
QList<Entfernung> entfernungenAusDatei(ContestDatabase& db, const QString& band, bool mitUngültigen);
// rowid and Locator of every contact, in stored order.
QList<std::pair<qint64, QString>> locatorsAusDatei(ContestDatabase& db, const QString& band);

// While it lives, every commit on db fails when the hook returns true.
class CommitFehler {
public:
    CommitFehler(ContestDatabase& db, std::function<bool()> fehler);
    ~CommitFehler();
    CommitFehler(const CommitFehler&) = delete;
    CommitFehler& operator=(const CommitFehler&) = delete;

private:
    ContestDatabase& db_;
    std::function<bool()> fehler_;
};

} // namespace tarvex::test
