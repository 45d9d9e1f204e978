#pragma once
#include <QString>
#include <QStringList>

namespace tarvex {

class CallInfoDb;
class ContestDat;
class EntryModel;
class LogList;
class Prompter;

// Prüfen: after every token that changes call, locator or comment, lists the
// earlier contacts, finds country, name and known locators, offers the locator
// choice, checks the large square and flags a duplicate. A missing reference
// file leaves its displays empty and is reported once until it is back.
class CallLookup {
public:
    CallLookup(ContestDat& contestDat, CallInfoDb& callInfo, Prompter& prompter);

    void Prüfen(EntryModel& entry, LogList& log);
    // Selecting an entry of the locator choice list.
    void locatorGewählt(EntryModel& entry, int index);

    // Country of a call, for the look-up and the edit panel alike: a portable
    // prefix part (split off as Kern2 does, "OE/", "OE5/") is looked up alone;
    // otherwise the longer of the first three and two characters that PREFIXE
    // holds wins. When that finds nothing, the first character decides.
    QString landFür(const QString& call);
    bool contestDatVorhanden();
    // The country list (COUNTRY); empty when CONTEST.DAT is missing.
    QStringList länder();

private:
    template <class F> auto nachschlagen(bool& gemeldet, F&& f) -> decltype(f());

    ContestDat& contestDat_;
    CallInfoDb& callInfo_;
    Prompter& prompter_;
    bool contestDatGemeldet_ = false;
    bool callInfoGemeldet_ = false;
};

} // namespace tarvex
