#include "ExpExport.h"

#include "common/Clock.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "entry/CallSign.h"
#include "formats/AdifDatei.h"
#include "formats/ExpDatei.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"

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
    Lauf lauf(contest_, clock_, adif);
    db->qsosDurchlaufen(contest_.Band(), [&lauf](const QsoRecord& q) { lauf.qso(q); });
    return lauf.abschließen();
}

ExpExport::Lauf::Lauf(OffenerContest& contest, Clock& clock, bool adif)
    : contest_(contest)
    , clock_(clock)
    , adif_(adif)
    , band_(contest.Band())
    , kern_(Kern2(contest.lblCall()))
{
}

ExpExport::Lauf::~Lauf() = default;

void ExpExport::Lauf::qso(const QsoRecord& q)
{
    // The files are named after the first contact's month.
    if (!exp_) {
        ergebnis_.expDatei = ExpDatei::dateiname(band_, q.datum, kern_);
        exp_.emplace(ergebnis_.expDatei);
        if (adif_) {
            ergebnis_.adifDatei = AdifDatei::dateiname(ergebnis_.expDatei);
            adi_.emplace(ergebnis_.adifDatei);
        }
        for (const QString& zeile : ExpDatei::kopf(kern_, contest_.felder().lblLocator, band_, q.datum))
            exp_->writeLine(zeile);
        if (adi_) {
            for (const QString& zeile : AdifDatei::kopf(clock_.jetzt()))
                adi_->writeLine(zeile);
        }
    }
    exp_->writeLine(ExpDatei::qsoZeile(q));
    if (adi_)
        adi_->writeLine(AdifDatei::satz(q, band_));
    ++ergebnis_.qsos;
}

ExpExport::Ergebnis ExpExport::Lauf::abschließen()
{
    if (!exp_)
        throw UserError(u"Auf dem Band %1 ist noch kein QSO gespeichert. "
                        u"Es wurde keine EXP-Datei geschrieben."_s.arg(bandAnzeige(band_)));
    // Both files or neither: an exchange file without the ADIF file it was made with would mislead.
    if (adi_)
        AtomicTextFile::gemeinsamErsetzen({ &*exp_, &*adi_ });
    else
        exp_->commit();
    return ergebnis_;
}

} // namespace tarvex
