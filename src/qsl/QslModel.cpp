#include "QslModel.h"

#include "common/Grossschreibung.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "common/Val.h"
#include "contest/OffenerContest.h"
#include "print/PrinterSurface.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

struct FeldInfo {
    const char16_t* schlüssel;
    const char16_t* anfang;
};

constexpr FeldInfo kFelder[QslModel::kFeldAnzahl] = {
    { u"obererRand", u"0.0" },
    { u"linkerRand", u"5.0" },
    { u"RandZweiteSpalte", u"110.0" },
    { u"Höhe", u"35.0" },
    { u"vertikalerAbstand", u"0.0" },
    { u"Anzahl", u"8" },
    { u"AngabenZurStation", u"Rig: ??????   Pwr: ??? watts   Ant:  ??????????" },
};

// Page sizes are 16-bit twips, as the printer took them.
int seitengröße(double twips)
{
    return int(std::clamp(std::lround(twips), 1L, 32767L));
}

// Lets the window repaint before and after a longer read, as the form did.
void ereignisse()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace

const QString QslModel::kAbschnitt = u"Etiketten"_s;

QString QslModel::schlüssel(Feld feld)
{
    return QString::fromUtf16(kFelder[int(feld)].schlüssel);
}

QString QslModel::anfangstext(Feld feld)
{
    return QString::fromUtf16(kFelder[int(feld)].anfang);
}

QslModel::QslModel(
    OffenerContest& contest, Settings& settings, PrinterSurface& drucker, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , settings_(settings)
    , drucker_(drucker)
    , prompter_(prompter)
{
    for (int i = 0; i < kFeldAnzahl; ++i) {
        const QString gespeichert = settings_.lesen(kAbschnitt, schlüssel(Feld(i)));
        felder_[std::size_t(i)] = gespeichert.isEmpty() ? anfangstext(Feld(i)) : gespeichert;
    }
    papierhöhe_ = seitengröße(drucker_.seitenhöhe());
    papierbreite_ = seitengröße(drucker_.seitenbreite());
    liste_.setKlick([this](int row, bool an) { häkchenGeklickt(row, an); });
}

void QslModel::setTxtCall(const QString& text)
{
    txtCall_ = großschreiben(text);
}

void QslModel::setFeld(Feld feld, const QString& text)
{
    felder_[std::size_t(feld)] = text;
}

void QslModel::feldVerlassen(Feld f)
{
    settings_.schreiben(kAbschnitt, schlüssel(f), feld(f));
}

void QslModel::etikettenartWählen(int index)
{
    endlos_ = index == 0;
    if (endlos_) {
        // One label and its gap per page; the height is taken now, at the click.
        const double mm = Val(feld(Feld::Höhe)) + Val(feld(Feld::VertikalerAbstand));
        drucker_.setSeitenhöhe(seitengröße(mm * PrinterSurface::twipsProMillimeter));
        drucker_.setSeitenbreite(papierbreite_);
        setFeld(Feld::Anzahl, u"9999"_s);
        chkZweiSpalten = false;
    } else {
        drucker_.setSeitenhöhe(papierhöhe_);
        drucker_.setSeitenbreite(papierbreite_);
        const QString gespeichert = settings_.lesen(kAbschnitt, schlüssel(Feld::Anzahl));
        setFeld(Feld::Anzahl, gespeichert.isEmpty() ? anfangstext(Feld::Anzahl) : gespeichert);
        chkZweiSpalten = true;
    }
    emit changed();
}

void QslModel::fehler(const QString& text)
{
    prompter_.zeige(fehlerMeldung(text));
}

std::optional<double> QslModel::grenze()
{
    // The limit stood in the statement as a number; anything else made it invalid.
    static const QRegularExpression zahl(u"^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"_s);
    if (!zahl.match(txtPunkte).hasMatch()) {
        fehler(txtPunkte.trimmed().isEmpty()
                ? u"Bitte bei \u201EEntfernungen über\u201C eine Zahl (km) eingeben."_s
                : u"\u201E%1\u201C ist keine Entfernung. Bitte bei \u201EEntfernungen über\u201C eine Zahl "
                  u"(km) eingeben."_s.arg(txtPunkte.trimmed()));
        return std::nullopt;
    }
    return Val(txtPunkte);
}

std::optional<QList<QslAbfrage::Zeile>> QslModel::auswahl()
{
    ContestDatabase* db = contest_.db();
    if (!db)
        return QList<QslAbfrage::Zeile>();
    const std::optional<double> g = grenze();
    if (!g)
        return std::nullopt;
    try {
        return db->qslAuswahl(contest_.Band(), txtCall_, *g);
    } catch (const UserError& e) {
        fehler(e.meldung());
        return std::nullopt;
    }
}

void QslModel::füllen()
{
    ereignisse();
    QList<QslAbfrage::Marke> erste;
    QslListe::Marken weitere;
    double grenzwert = 0;
    if (ContestDatabase* db = contest_.db()) {
        if (const std::optional<double> g = grenze()) {
            grenzwert = *g;
            try {
                // The first batch here, so that a failing read is reported now.
                erste = db->qslMarken(contest_.Band(), txtCall_, grenzwert, 0, QslListe::kStapel);
                weitere = [this, band = contest_.Band(), muster = txtCall_, grenzwert](
                              qint64 nach, qsizetype höchstens) {
                    ContestDatabase* offen = contest_.db();
                    try {
                        return offen ? offen->qslMarken(band, muster, grenzwert, nach, höchstens)
                                     : QList<QslAbfrage::Marke>();
                    } catch (const UserError&) {
                        // Reported by the next selection; a view scrolling cannot open a box.
                        return QList<QslAbfrage::Marke>();
                    }
                };
            } catch (const UserError& e) {
                fehler(e.meldung());
            }
        }
    }
    // Entries and texts are read for the selection as it was made, when the list shows them.
    liste_.setAuswahl(erste, std::move(weitere),
        [this, band = contest_.Band(), muster = txtCall_, grenzwert](qint64 von, qint64 bis) {
            ContestDatabase* db = contest_.db();
            try {
                return db ? db->qslAnzeige(band, muster, grenzwert, von, bis) : QList<QslAbfrage::Anzeige>();
            } catch (const UserError&) {
                // Reported by the next selection; a view being drawn cannot open a box.
                return QList<QslAbfrage::Anzeige>();
            }
        });
    ereignisse();
    emit changed();
}

void QslModel::markieren(QslAbfrage::Markierung art)
{
    // A limit that is no number changes nothing, neither ticks nor marks.
    ContestDatabase* db = contest_.db();
    const std::optional<double> g = db ? grenze() : std::optional<double>(0);
    if (!g)
        return;
    liste_.alleSetzen(art);
    if (!db)
        return;
    try {
        db->qslMarkieren(contest_.Band(), txtCall_, *g, art);
    } catch (const UserError& err) {
        fehler(err.meldung());
    }
}

void QslModel::alleMarkieren()
{
    markieren(QslAbfrage::Markierung::Setzen);
}

void QslModel::markierungLöschen()
{
    markieren(QslAbfrage::Markierung::Löschen);
}

void QslModel::markierungUmkehren()
{
    markieren(QslAbfrage::Markierung::Umkehren);
}

void QslModel::häkchenGeklickt(int row, bool an)
{
    ContestDatabase* db = contest_.db();
    if (row < 0 || row >= liste_.anzahl() || !db)
        return;
    liste_.setHäkchen(row, an);
    try {
        db->qslUmschalten(contest_.Band(), liste_.rowid(row));
    } catch (const UserError& err) {
        fehler(err.meldung());
    }
}

Aufkleberdruck::Vorgaben QslModel::vorgaben() const
{
    Aufkleberdruck::Vorgaben v;
    v.obererRand = feld(Feld::ObererAbstand);
    v.linkerRand = feld(Feld::LinkerAbstand);
    v.randZweiteSpalte = feld(Feld::LinkerAbstand2);
    v.höhe = feld(Feld::Höhe);
    v.vertikalerAbstand = feld(Feld::VertikalerAbstand);
    v.anzahl = feld(Feld::Anzahl);
    v.station = feld(Feld::Station);
    v.endlos = endlos_;
    v.zweiSpalten = chkZweiSpalten;
    v.pseQsl = optPseQsl;
    v.eigenesRufzeichen = contest_.lblCall();
    v.eigenerLocator = contest_.felder().lblLocator;
    v.band = contest_.Band();
    return v;
}

std::optional<QList<QsoRecord>> QslModel::markierteQsos()
{
    const auto zeilen = auswahl();
    if (!zeilen)
        return std::nullopt;
    QList<QsoRecord> qsos;
    for (const QslAbfrage::Zeile& z : *zeilen)
        if (z.qso.qsl)
            qsos.append(z.qso);
    return qsos;
}

std::optional<QList<QsoRecord>> QslModel::vorschauQsos()
{
    std::optional<QList<QsoRecord>> qsos = markierteQsos();
    if (qsos && qsos->isEmpty()) {
        prompter_.zeige(
            hinweisMeldung(u"Keine Verbindung der Auswahl ist für einen QSL-Aufkleber markiert."_s));
        return std::nullopt;
    }
    return qsos;
}

bool QslModel::drucken()
{
    // No pending events here: a second click on the button would print twice.
    const auto qsos = markierteQsos();
    if (!qsos)
        return false;
    Aufkleberdruck::drucken(drucker_, vorgaben(), *qsos);
    return true;
}

void QslModel::vorschauDrucken(PrinterSurface& ziel, const QList<QsoRecord>& qsos)
{
    ziel.setSeitenhöhe(drucker_.seitenhöhe());
    ziel.setSeitenbreite(drucker_.seitenbreite());
    Aufkleberdruck::drucken(ziel, vorgaben(), qsos);
}

} // namespace tarvex
