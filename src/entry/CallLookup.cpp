#include "CallLookup.h"

#include "CallSign.h"
#include "EntryModel.h"
#include "LogList.h"
#include "StationsEintrag.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"

namespace tarvex {

using namespace Qt::StringLiterals;

CallLookup::CallLookup(ContestDat& contestDat, CallInfoDb& callInfo, Prompter& prompter)
    : contestDat_(contestDat)
    , callInfo_(callInfo)
    , prompter_(prompter)
{
}

template <class F> auto CallLookup::nachschlagen(bool& gemeldet, F&& f) -> decltype(f())
{
    try {
        auto result = f();
        gemeldet = false;
        return result;
    } catch (const UserError& e) {
        if (!gemeldet)
            prompter_.zeige(hinweisMeldung(e.meldung()));
        gemeldet = true;
        return {};
    }
}

QString CallLookup::landFür(const QString& call)
{
    const QString präfix = präfixTeil(call);
    return nachschlagen(contestDatGemeldet_, [&] {
        // The longest listed prefix wins, so one query covers the one-letter fallback.
        if (präfix.isEmpty())
            return contestDat_.landFürPräfixe({ call.left(1), call.left(2), call.left(3) });
        QString land = contestDat_.landFürPräfixe({ präfix.chopped(1) });
        return land.isEmpty() ? contestDat_.landFürPräfixe({ call.left(1) }) : land;
    });
}

bool CallLookup::contestDatVorhanden()
{
    try {
        contestDat_.connection();
        return true;
    } catch (const UserError&) {
        return false;
    }
}

QStringList CallLookup::länder()
{
    return nachschlagen(contestDatGemeldet_, [&] { return contestDat_.länder(); });
}

void CallLookup::Prüfen(EntryModel& entry, LogList& log)
{
    EntryFields& f = entry.felder();
    const QString kern = Kern2(f.txtCall);

    // 1. Earlier valid contacts with this station or in this locator.
    log.zeigeFrühere(kern, f.txtLocator);

    // 2. Country from the prefix.
    f.lblLand = landFür(f.txtCall);

    // 3. Name, 4. known locators and the information line.
    const QString name = nachschlagen(callInfoGemeldet_, [&] { return callInfo_.name(kern); });
    const std::optional<QString> locs = nachschlagen(contestDatGemeldet_, [&] {
        const QString call = stationsCall(f.txtCall);
        return bekannteLocators(contestDat_.locators(call), contestDat_.importierteLocators(call));
    });
    const QStringList bekannte = locatorsZerlegen(locs.value_or(QString()));
    if (!locs) {
        f.lblInfo = u"Info: ("_s + name + u')';
    } else {
        f.lblInfo = name.isEmpty() ? QString(u"Info: ("_s + *locs + u')')
                                   : QString(u"Info: ("_s + name + u", "_s + *locs + u')');
        if (f.txtLocator.isEmpty() && !bekannte.isEmpty())
            entry.setLocator(bekannte.first());
    }

    // 5. Choice among several known locators.
    if (bekannte.size() < 2) {
        f.cboLocator.clear();
        f.cboLocatorIndex = -1;
        f.cboLocatorSichtbar = false;
        f.frame1Aktiv = false;
    } else {
        f.cboLocator.clear();
        if (!f.txtLocator.isEmpty() && !bekannte.contains(f.txtLocator))
            f.cboLocator.append(f.txtLocator);
        f.cboLocator += bekannte;
        f.cboLocatorIndex = static_cast<int>(f.cboLocator.indexOf(f.txtLocator));
        f.cboLocatorSichtbar = true;
        f.frame1Aktiv = true;
    }

    // 6. Does the country lie in the locator's large square?
    if (!f.txtLocator.isEmpty() && !f.lblLand.isEmpty()) {
        const bool passt = nachschlagen(
            contestDatGemeldet_, [&] { return contestDat_.landImSquare(f.txtLocator.left(4), f.lblLand); });
        if (!passt && contestDatVorhanden())
            prompter_.zeige(fehlerMeldung(u"Rufzeichenpräfix und Locator passen nicht zusammen!"_s));
    }

    // 7. Duplicate: only the first listed contact counts, compared by core call on
    // both sides, so neither a portable prefix nor a letter suffix makes another station.
    const QString gelistet = log.rowCount() > 0 ? log.rufzeichenAt(0) : QString();
    if (!gelistet.isEmpty() && !f.txtCall.isEmpty() && kern == Kern2(gelistet)) {
        f.doppelt = true;
    } else {
        f.doppelt = false;
        f.ungültig = false;
    }
}

void CallLookup::locatorGewählt(EntryModel& entry, int index)
{
    EntryFields& f = entry.felder();
    if (index < 0 || index >= f.cboLocator.size())
        return;
    f.cboLocatorIndex = index;
    entry.setLocator(f.cboLocator.at(index));
}

} // namespace tarvex
