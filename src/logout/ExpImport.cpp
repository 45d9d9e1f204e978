#include "ExpImport.h"

#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "formats/ExpDatei.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

namespace tarvex {

using namespace Qt::StringLiterals;

ExpImport::ExpImport(OffenerContest& contest, Prompter& prompter)
    : contest_(contest)
    , prompter_(prompter)
{
}

bool ExpImport::ExpDateiImportieren(const QString& ImportDatei)
{
    try {
        ContestDatabase* db = contest_.db();
        if (db == nullptr)
            throw UserError(u"Es ist kein Contest geöffnet. Es wurde nichts importiert."_s);
        const ExpDatei::Inhalt inhalt = ExpDatei::lesen(ImportDatei);
        if (!db->bandTabellen().contains(inhalt.band))
            throw UserError(u"Die Datei %1 enthält QSOs für das Band %2, das dieser Contest nicht hat. "
                            u"Es wurde nichts importiert."_s.arg(ImportDatei, bandAnzeige(inhalt.band)));
        // An older table gets Kommentar and QSL first, as when it becomes current.
        db->bandTabelleAufrüsten(inhalt.band);
        const qint64 erste = db->qsosImportieren(inhalt.band, inhalt.qsos);
        // The imported band becomes current everywhere: grid, band display, score.
        contest_.angehängt(inhalt.band, erste);
        contest_.settings().setLetztesBand(inhalt.band);
        const qsizetype anzahl = inhalt.qsos.size();
        const QString wieviel = anzahl == 1 ? u"wurde 1 QSO"_s : u"wurden %1 QSOs"_s.arg(anzahl);
        prompter_.zeige(hinweisMeldung(u"Aus der Datei %1 %2 in das Band %3 importiert."_s.arg(
            ImportDatei, wieviel, bandAnzeige(inhalt.band))));
        return true;
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return false;
    }
}

} // namespace tarvex
