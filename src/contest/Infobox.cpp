#include "Infobox.h"

#include "OffenerContest.h"
#include "store/BandList.h"

namespace tarvex {

using namespace Qt::StringLiterals;

Meldung infoBox(const OffenerContest& contest)
{
    QString text = u"Tarvex V3.0\nContest-Logbuch für UKW, UHF und Mikrowelle"_s;
    if (contest.hatContest()) {
        const Spielstand& stand = contest.spielstand();
        const int anzahl = stand.txtNummer.toInt() - 1;
        text += u"\n\nContest: "_s + contest.Datenbank() + u"\nBand: "_s + bandAnzeige(contest.Band())
            + u"\nStation: "_s + contest.lblCall() + u" in "_s + contest.felder().lblLocator
            + u"\nQSOs auf diesem Band: "_s + QString::number(anzahl) + u" (davon gültig: "_s
            + QString::number(stand.gültige) + u')';
    } else {
        text += u"\n\nEs ist kein Contest geöffnet."_s;
    }
    return { text, u"Tarvex"_s, Meldung::Symbol::Information, Meldung::Knöpfe::Ok, Meldung::Antwort::Ok };
}

} // namespace tarvex
