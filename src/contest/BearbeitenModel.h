#pragma once
#include "store/QsoRecord.h"

#include <optional>

namespace tarvex {

class CallLookup;
class ContestModel;
class Prompter;

// The edit panel (fraUpdate) on one stored contact of the log list: opened on a
// row, its fields changed by the panel, then confirmed (checked, recomputed and
// stored through the contest) or dropped.
class BearbeitenModel {
public:
    BearbeitenModel(ContestModel& contest, CallLookup& lookup, Prompter& prompter);

    // Reads the contact in this row of the log list; false (a store failure is
    // reported) when there is none.
    bool öffnen(int row);
    bool offen() const { return qso_.has_value(); }
    QsoRecord& qso() { return *qso_; }
    // OK: a locator without six characters is reported ("Fehlerhafter Locator") and
    // the panel stays open; otherwise points, bearing, country, square and core call
    // are recomputed and the contact is stored, and the panel closes.
    void ok();
    void abbrechen() { qso_.reset(); }

private:
    ContestModel& contest_;
    CallLookup& lookup_;
    Prompter& prompter_;
    std::optional<QsoRecord> qso_;
    qint64 rowid_ = -1;
};

} // namespace tarvex
