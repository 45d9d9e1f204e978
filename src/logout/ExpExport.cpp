#include "ExpExport.h"

#include "AdifDatei.h"
#include "AtomicTextFile.h"
#include "ExpDatei.h"
#include "common/Clock.h"
#include "common/UserError.h"
#include "contest/ContestModel.h"
#include "entry/CallSign.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"

#include <optional>

namespace tarvex {

using namespace Qt::StringLiterals;

ExpExport::ExpExport(ContestModel& contest, Clock& clock)
    : contest_(contest)
    , clock_(clock)
{
}

ExpExport::Ergebnis ExpExport::exportieren(bool adif)
{
    ContestDatabase* db = contest_.datenbank();
    if (db == nullptr)
        throw UserError(u"Es ist kein Contest geöffnet."_s);
    const QString band = contest_.Band();
    const QList<QsoRecord> qsos = db->qsos(band);
    // The file is named after the first contact's month: without one there is no name.
    if (qsos.isEmpty())
        throw UserError(u"Auf dem Band %1 ist noch kein QSO gespeichert. "
                        u"Es wurde keine EXP-Datei geschrieben."_s.arg(bandAnzeige(band)));

    const QString kern = Kern2(contest_.lblCall());
    Ergebnis ergebnis;
    ergebnis.expDatei = ExpDatei::dateiname(band, qsos.first().datum, kern);
    ergebnis.qsos = static_cast<int>(qsos.size());

    AtomicTextFile exp(ergebnis.expDatei);
    std::optional<AtomicTextFile> adi;
    if (adif) {
        ergebnis.adifDatei = AdifDatei::dateiname(ergebnis.expDatei);
        adi.emplace(ergebnis.adifDatei);
    }
    exp.writeLine(ExpDatei::kKopf);
    exp.writeLine(kern);
    exp.writeLine(contest_.felder().lblLocator);
    exp.writeLine(band);
    if (adi) {
        for (const QString& zeile : AdifDatei::kopf(clock_.jetzt()))
            adi->writeLine(zeile);
    }
    exp.writeLine(ExpDatei::monatszeile(qsos.first().datum));
    for (const QsoRecord& q : qsos) {
        exp.writeLine(ExpDatei::qsoZeile(q));
        if (adi)
            adi->writeLine(AdifDatei::satz(q, band));
    }
    exp.commit();
    if (adi)
        adi->commit();
    return ergebnis;
}

} // namespace tarvex
