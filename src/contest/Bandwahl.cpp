#include "Bandwahl.h"

#include "ContestModel.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/BandList.h"
#include "store/Settings.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

Bandwahl::Bandwahl(ContestModel& model, Prompter& prompter)
    : model_(model)
    , prompter_(prompter)
{
}

QList<BandKnopf> Bandwahl::knöpfe(const Settings& settings)
{
    QList<BandKnopf> result;
    for (const BandInfo& b : alleBänder()) {
        BandKnopf k;
        k.name = u"cmd"_s + b.tabelle;
        k.caption = b.anzeige;
        k.band = b.tabelle;
        // Only presence counts: the value is not compared with the band's name.
        k.aktiv = !settings.lesen(u"Bänder"_s, b.schlüssel).isEmpty();
        k.sichtbar = b.schlüssel != u"Band11"_s || k.aktiv;
        result.append(k);
    }
    // The band list starts with 50 MHz; the form shows it last, like its key.
    std::rotate(result.begin(), result.begin() + 1, result.end());
    return result;
}

QString Bandwahl::vorschlag(
    const QList<BandKnopf>& knöpfe, const QString& transceiverBand, const QString& aktuell)
{
    for (const BandKnopf& k : knöpfe) {
        if (k.aktiv && !transceiverBand.isEmpty()
            && k.band.compare(transceiverBand, Qt::CaseInsensitive) == 0)
            return k.band;
    }
    return aktuell;
}

bool Bandwahl::BandSetzen(const QString& b)
{
    if (!model_.hatContest())
        return false;
    try {
        // Also appends Kommentar (and QSL) to a table of an older contest.
        model_.bandWechseln(b);
        model_.settings().setLetztesBand(model_.Band());
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return false;
    }
    if (model_.LastCall().isEmpty())
        return true;

    const Meldung frage {
        u"Sollen Rufzeichen und Locator des zuletzt gespeicherten QSOs übernommen werden?"_s, u"Frage"_s,
        Meldung::Symbol::Frage, Meldung::Knöpfe::JaNein, Meldung::Antwort::Ja
    };
    if (prompter_.zeige(frage) == Meldung::Antwort::Ja) {
        EntryModel& entry = model_.entry();
        entry.felder().txtCall = model_.LastCall();
        // Through the locator's change handler, so distance and bearing follow.
        entry.setLocator(model_.LastLocator());
        // As if typed: the look-up lists the station's contacts on this band.
        entry.Auswert(model_.LastCall());
    } else {
        // Not asked again until another contact has been saved.
        model_.lastCallVergessen();
    }
    emit model_.changed();
    emit model_.focusInput();
    return true;
}

} // namespace tarvex
