#include "ExpExport.h"

#include "common/AtomicTextFile.h"
#include "common/Clock.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "entry/CallSign.h"
#include "formats/AdifDatei.h"
#include "formats/ExpDatei.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"

#include <optional>

namespace tarvex {

using namespace Qt::StringLiterals;

ExpExport::ExpExport(OffenerContest& contest, Clock& clock)
    : contest_(contest)
    , clock_(clock)
{
}

ExpExport::Ergebnis ExpExport::exportieren(bool adif)
{
    ContestDatabase* db = contest_.db();
    if (db == nullptr)
        throw UserError(u"Es ist kein Contest geöffnet."_s);
    const QString band = contest_.Band();
    const QString kern = Kern2(contest_.lblCall());
    Ergebnis ergebnis;
    std::optional<AtomicTextFile> exp;
    std::optional<AtomicTextFile> adi;

    // One pass in stored order; the files are named after the first contact's month.
    db->qsosDurchlaufen(band, [&](const QsoRecord& q) {
        if (!exp) {
            ergebnis.expDatei = ExpDatei::dateiname(band, q.datum, kern);
            exp.emplace(ergebnis.expDatei);
            if (adif) {
                ergebnis.adifDatei = AdifDatei::dateiname(ergebnis.expDatei);
                adi.emplace(ergebnis.adifDatei);
            }
            for (const QString& zeile : ExpDatei::kopf(kern, contest_.felder().lblLocator, band, q.datum))
                exp->writeLine(zeile);
            if (adi) {
                for (const QString& zeile : AdifDatei::kopf(clock_.jetzt()))
                    adi->writeLine(zeile);
            }
        }
        exp->writeLine(ExpDatei::qsoZeile(q));
        if (adi)
            adi->writeLine(AdifDatei::satz(q, band));
        ++ergebnis.qsos;
    });
    if (!exp)
        throw UserError(u"Auf dem Band %1 ist noch kein QSO gespeichert. "
                        u"Es wurde keine EXP-Datei geschrieben."_s.arg(bandAnzeige(band)));
    // Both files or neither: an exchange file without the ADIF file it was made with would mislead.
    if (adi)
        AtomicTextFile::gemeinsamErsetzen({ &*exp, &*adi });
    else
        exp->commit();
    return ergebnis;
}

} // namespace tarvex
