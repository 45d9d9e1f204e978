#include "Digitalbetrieb.h"

#include "ContestModel.h"
#include "common/Fragensperre.h"
#include "entry/Locator.h"
#include "station/Frequenzband.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// The first line of a held-back question says what it was about.
QString kurz(const QString& frage)
{
    return frage.section(u'\n', 0, 0).trimmed();
}

} // namespace

Digitalbetrieb::Digitalbetrieb(ContestModel& contest, Fragensperre& fragen, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , fragen_(fragen)
{
}

void Digitalbetrieb::empfangen(const wsjtx::Nachricht& n)
{
    if (const auto* k = std::get_if<wsjtx::Kontakt>(&n)) {
        kontaktEmpfangen(Digitalkontakt::aus(*k));
    } else if (const auto* s = std::get_if<wsjtx::StatusNachricht>(&n)) {
        const QString call = s->dxCall.trimmed();
        setGearbeitet(call.isEmpty() ? QString()
                                     : (s->mode.isEmpty() ? u"Digital"_s : s->mode) + u": "_s + call
                    + (s->dxGrid.trimmed().isEmpty() ? QString() : u' ' + s->dxGrid.trimmed()));
    } else if (std::holds_alternative<wsjtx::EndeNachricht>(n)) {
        setGearbeitet({});
    }
}

void Digitalbetrieb::setGearbeitet(const QString& text)
{
    if (text == gearbeitet_)
        return;
    gearbeitet_ = text;
    emit gearbeitetNeu();
}

void Digitalbetrieb::kontaktEmpfangen(const Digitalkontakt& k)
{
    // The same contact again (the datagram repeated, or a second listener's
    // copy) is neither a second contact nor a duplicate.
    if (k.call.isEmpty() || gesehen_.contains(k.schlüssel))
        return;
    gesehen_.insert(k.schlüssel);
    QString km;
    const std::optional<QString> grund = übernehmen(k, {}, km);
    if (!grund) {
        melden(k, km);
        return;
    }
    wartende_.append({ k, *grund, *grund == u"Doppelverbindung"_s });
    emit gemeldet(k.bezeichnung() + u" wartet: "_s + *grund);
    emit listeNeu();
}

void Digitalbetrieb::melden(const Digitalkontakt& k, const QString& km)
{
    emit gemeldet(k.bezeichnung() + (km.isEmpty() ? QString() : u' ' + km + u" km"_s) + u" gespeichert"_s);
}

std::optional<QString> Digitalbetrieb::vorab(const Digitalkontakt& k, Freigaben frei) const
{
    if (!contest_.hatContest())
        return u"kein Contest geöffnet"_s;
    if (k.frequenz != 0) {
        const qint64 hz = k.frequenz > quint64(std::numeric_limits<qint64>::max()) ? -1 : qint64(k.frequenz);
        const BandInfo* b = bandZurFrequenz(hz);
        if (b == nullptr || b->tabelle.compare(contest_.Band(), Qt::CaseInsensitive) != 0)
            return u"%1 liegt nicht im Band %2"_s.arg(
                hz < 0 ? u"Frequenz"_s : frequenzText(hz), bandAnzeige(contest_.Band()));
    }
    if (k.locator.isEmpty())
        return u"Locator fehlt"_s;
    if (k.locator.size() == 4)
        return u"Locator nur vierstellig"_s;
    if (!locatorGültig(k.locator))
        return u"Locator %1 ungültig"_s.arg(k.locator);
    if (k.rstGeg.isEmpty() || k.rstErh.isEmpty())
        return u"Rapport fehlt"_s;
    const QString& nummer = contest_.felder().txtNummer;
    if (!frei.nummer && !k.nummerGeg.isEmpty() && k.nummerGeg.toInt() != nummer.toInt())
        return u"gesendete Nummer %1, das Log vergibt %2"_s.arg(k.nummerGeg, nummer);
    return std::nullopt;
}

std::optional<QString> Digitalbetrieb::übernehmen(const Digitalkontakt& k, Freigaben frei, QString& km)
{
    if (std::optional<QString> grund = vorab(k, frei))
        return grund;

    // The operator may be halfway through a contact of his own: it is put
    // back afterwards, with the serial number moved on.
    const EntryFields gemerkt = contest_.felder();
    EntryModel& e = contest_.entry();
    EntryFields& f = e.felder();
    std::optional<QString> grund;
    {
        const Fragensperre::Sperre sperre(fragen_);
        fragen_.zurückgehalten();
        e.Löschen();
        e.Auswert(u"C:"_s + k.call);
        e.setLocator(k.locator);
        contest_.prüfen();
        f.txtRSTgeg = k.rstGeg;
        f.txtRSTerh = k.rstErh;
        f.txtUhrzeit = k.zeit;
        f.Zeit = true;
        f.lblDatum = k.datum;
        f.txtKommentar = k.mode;
        if (const QStringList fragen = fragen_.zurückgehalten(); !fragen.isEmpty()) {
            grund = kurz(fragen.first());
        } else if (f.doppelt && !frei.doppel) {
            grund = u"Doppelverbindung"_s;
        } else {
            f.ungültig = f.doppelt;
            f.doppelt = false;
            f.f12 = true;
            const QString qrb = f.txtQRB;
            ContestDatabase& db = *contest_.db();
            const qint64 vorher = db.anzahl(contest_.Band());
            contest_.speichern();
            const QStringList nachher = fragen_.zurückgehalten();
            if (db.anzahl(contest_.Band()) > vorher)
                km = qrb;
            else
                grund = nachher.isEmpty() ? u"nicht gespeichert"_s : kurz(nachher.first());
        }
    }
    const QString nummer = contest_.felder().txtNummer;
    const QString uhr = contest_.felder().lblUhrzeit;
    f = gemerkt;
    f.txtNummer = nummer;
    f.lblUhrzeit = uhr;
    if (!f.Zeit && f.txtRSTerh.isEmpty())
        f.txtUhrzeit = uhr;
    contest_.alleAnzeigen();
    emit contest_.changed();
    return grund;
}

void Digitalbetrieb::vervollständigen(int index)
{
    if (index < 0 || index >= wartende_.size())
        return;
    const Digitalkontakt k = wartende_.takeAt(index).kontakt;
    emit listeNeu();
    EntryModel& e = contest_.entry();
    EntryFields& f = e.felder();
    e.Löschen();
    e.Auswert(u"C:"_s + k.call);
    f.txtRSTgeg = k.rstGeg.isEmpty() ? f.txtRSTgeg : k.rstGeg;
    f.txtRSTerh = k.rstErh;
    f.txtUhrzeit = k.zeit;
    f.Zeit = true;
    f.lblDatum = k.datum;
    f.txtKommentar = k.mode;
    // A four-character locator waits in the input line for its last two letters.
    if (k.locator.size() == 6 && locatorGültig(k.locator))
        e.setLocator(k.locator);
    else
        f.txtInput = k.locator;
    contest_.prüfen();
    emit contest_.changed();
}

bool Digitalbetrieb::ausListeSpeichern(int index, Freigaben frei)
{
    if (index < 0 || index >= wartende_.size())
        return false;
    const Digitalkontakt k = wartende_.at(index).kontakt;
    QString km;
    if (const std::optional<QString> grund = übernehmen(k, frei, km)) {
        wartende_[index].grund = *grund;
        emit gemeldet(k.bezeichnung() + u" wartet: "_s + *grund);
        emit listeNeu();
        return false;
    }
    wartende_.removeAt(index);
    melden(k, km);
    emit listeNeu();
    return true;
}

bool Digitalbetrieb::speichern(int index)
{
    return ausListeSpeichern(index, { .nummer = true, .doppel = false });
}

bool Digitalbetrieb::alsDoppelSpeichern(int index)
{
    return ausListeSpeichern(index, { .nummer = true, .doppel = true });
}

void Digitalbetrieb::verwerfen(int index)
{
    if (index < 0 || index >= wartende_.size())
        return;
    wartende_.removeAt(index);
    emit listeNeu();
}

} // namespace tarvex
