#include "BearbeitenModel.h"

#include "ContestModel.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "entry/Bearbeiten.h"
#include "entry/CallLookup.h"
#include "store/ContestDatabase.h"

namespace tarvex {

using namespace Qt::StringLiterals;

BearbeitenModel::BearbeitenModel(ContestModel& contest, CallLookup& lookup, Prompter& prompter)
    : contest_(contest)
    , lookup_(lookup)
    , prompter_(prompter)
{
}

bool BearbeitenModel::öffnen(int row)
{
    if (!contest_.hatContest() || row < 0 || row >= contest_.logList().rowCount())
        return false;
    rowid_ = contest_.logList().rowidAt(row);
    try {
        qso_ = contest_.db()->qso(contest_.Band(), rowid_);
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return false;
    }
    return true;
}

void BearbeitenModel::ok()
{
    if (!qso_)
        return;
    const std::optional<QsoRecord> fertig = Bearbeiten::abschließen(
        *qso_, contest_.felder().lblLocator, [&](const QString& call) { return lookup_.landFür(call); });
    if (!fertig) {
        prompter_.zeige({ u"Fehlerhafter Locator"_s, u"Fehler"_s, Meldung::Symbol::Kritisch,
            Meldung::Knöpfe::Ok, Meldung::Antwort::Ok });
        return;
    }
    if (contest_.qsoÄndern(rowid_, *fertig))
        qso_.reset();
}

} // namespace tarvex
