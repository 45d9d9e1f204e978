#include "ContestOeffnen.h"

#include "ContestModel.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

namespace tarvex {

bool contestÖffnen(ContestModel& model, Prompter& prompter, const QString& pfad)
{
    if (pfad.isEmpty())
        return false;
    QStringList bänder;
    try {
        // The file is read once before the model takes it, so a foreign file
        // leaves the open contest and the settings as they are.
        bänder = ContestDatabase::öffnen(pfad).bandTabellen();
        // Band tables are listed ascending by name: the first one becomes current.
        model.öffnen(pfad, bänder.value(0));
    } catch (const UserError& e) {
        prompter.zeige(fehlerMeldung(e.meldung()));
        return false;
    }
    try {
        Settings& settings = model.settings();
        settings.setBänder(bänder);
        settings.setLetzterContest(model.Datenbank());
        settings.setLetztesBand(model.Band());
    } catch (const UserError& e) {
        // The contest is open all the same; only the next start will not find it.
        prompter.zeige(fehlerMeldung(e.meldung()));
    }
    emit model.focusInput();
    return true;
}

} // namespace tarvex
