#include "EdiExport.h"

#include "LogFelder.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "entry/Wertung.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

namespace tarvex {

using namespace Qt::StringLiterals;

EdiSchreiber::Angaben EdiExport::angaben(const LogFelder& felder)
{
    using F = LogFeld;
    const auto t = [&](F f) { return felder.text(f); };
    return { t(F::Wettbewerb), t(F::Datum), t(F::Wertungsgruppe), t(F::DOK), t(F::Einmann), t(F::Name),
        t(F::Straße), t(F::Ort), t(F::Sender), t(F::Empfänger), t(F::Eingangsstufe), t(F::Antenne),
        t(F::Ausgangsleistung), t(F::ÜberGrund), t(F::ÜberNN), t(F::RCall), t(F::MOpe1), t(F::MOpe2) };
}

EdiExport::Ergebnis EdiExport::bandSchreiben(
    OffenerContest& contest, const LogFelder& felder, const QString& band)
{
    ContestDatabase* db = contest.db();
    if (!db)
        throw UserError(u"Es ist kein Contest geöffnet."_s);
    EdiSchreiber::Aufbau aufbau;
    db->qsosDurchlaufen(band, [&aufbau](const QsoRecord& q) { aufbau.hinzufügen(q); });
    return schreiben(contest, felder, band, aufbau);
}

Summen EdiExport::summen(OffenerContest& contest, const QString& band)
{
    if (band == contest.Band())
        return contest.summen();
    // Another band's score, loaded the way a band is opened.
    return Wertung::aus(*contest.db(), band).summen();
}

EdiExport::Ergebnis EdiExport::schreiben(
    OffenerContest& contest, const LogFelder& felder, const QString& band, EdiSchreiber::Aufbau& aufbau)
{
    const EdiSchreiber::Station station { contest.lblCall(), contest.felder().lblLocator, band };
    Ergebnis e { EdiSchreiber::dateiname(station, aufbau.ersterDatum()), aufbau.anzahl() };
    EdiSchreiber::schreiben(e.name, aufbau.fertig(angaben(felder), station, summen(contest, band)));
    return e;
}

QString EdiExport::ohneQsos(const QString& band, const QString& name)
{
    return u"Auf dem Band %1 ist kein QSO gespeichert; die EDI-Datei \"%2\" enthält nur den Kopf."_s.arg(
        EdiSchreiber::bandName(band), name);
}

void EdiExport::alleBänder(OffenerContest& contest, Prompter& prompter)
{
    ContestDatabase* db = contest.db();
    if (!db) {
        prompter.zeige(hinweisMeldung(u"Es ist kein Contest geöffnet."_s));
        return;
    }
    QStringList namen;
    try {
        const QStringList tabellen = db->bandTabellen();
        for (const BandInfo& band : tarvex::alleBänder()) {
            if (!tabellen.contains(band.tabelle, Qt::CaseInsensitive))
                continue;
            LogFelder felder;
            felder.lesen(contest.settings(), band.tabelle);
            const Ergebnis e = bandSchreiben(contest, felder, band.tabelle);
            namen.append(e.qsos > 0 ? e.name : e.name + u" (ohne QSOs)"_s);
        }
    } catch (const UserError& e) {
        QString text = e.meldung();
        if (!namen.isEmpty())
            text += u"\nBereits geschrieben: "_s + namen.join(u", "_s);
        prompter.zeige(fehlerMeldung(text));
        return;
    }
    prompter.zeige(hinweisMeldung(u"EDI-Dateien geschrieben:\n"_s + namen.join(u'\n')));
}

} // namespace tarvex
