#include "EntryModel.h"

#include "EntryActions.h"
#include "InputLine.h"
#include "KeystrokeLog.h"
#include "Klasse.h"
#include "Locator.h"
#include "Zeichen.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/QsoRecord.h"

namespace tarvex {

using namespace Qt::StringLiterals;

EntryModel::EntryModel(EntryActions& actions, Prompter& prompter, KeystrokeLog& log, QObject* parent)
    : QObject(parent)
    , actions_(actions)
    , prompter_(prompter)
    , log_(log)
{
}

bool EntryModel::tippe(QChar zeichen)
{
    const std::optional<QChar> c = eingabeZeichen(f_.txtInput, zeichen);
    if (!c)
        return false;
    f_.txtInput.append(*c);
    emit changed();
    return true;
}

void EntryModel::setzeEingabe(const QString& zeile)
{
    f_.txtInput = zeile;
}

void EntryModel::enter()
{
    const QStringList tokens = zeileZerlegen(f_.txtInput);
    for (const QString& token : tokens)
        Auswert(token);
    // The window shows the evaluated line before the operator is asked about it.
    emit changed();
    if (f_.doppelt) {
        actions_.doppelFrage();
        emit changed();
    }
}

void EntryModel::f12()
{
    if (f_.loggen != Speichertaste::F12)
        return;
    f_.f12 = true;
    enter();
    f_.f12 = false;
}

void EntryModel::andereTaste()
{
    f_.f12 = false;
}

void EntryModel::escape()
{
    Löschen();
    actions_.alleAnzeigen();
    emit changed();
}

void EntryModel::protokolliere(const QString& token)
{
    // The keystroke log only helps to reconstruct a contact: a full disk must not
    // stop the entry, but the operator hears about it once.
    try {
        log_.anhängen(token);
        logFehlerGemeldet_ = false;
    } catch (const UserError& e) {
        if (!logFehlerGemeldet_)
            prompter_.zeige(fehlerMeldung(e.meldung()));
        logFehlerGemeldet_ = true;
    }
}

void EntryModel::Auswert(const QString& eingabe)
{
    if (eingabe.isEmpty()) {
        actions_.speichern();
        return;
    }
    QString token = plusKürzel(eingabe, f_.RST);
    // 04/12/26 is the date 04.12.26: the split-call rule would take it apart.
    if (Zeichen(token) == u"##/##/##")
        token.replace(u'/', u'.');

    // A call with a prefix or suffix part is classified by its core.
    const QString muster = musterDesTokens(token, f_.teile);

    if (token.startsWith(u'?')) {
        actions_.suchen(token.mid(1));
    } else if (token.startsWith(u"C:")) {
        f_.txtInput.clear();
        setCall(token.mid(2).left(kRufzeichenBreite));
        actions_.prüfen();
    } else if (token.startsWith(u"K.") || token.startsWith(u"K:")) {
        f_.txtKommentar = token.mid(2).left(kKommentarBreite);
        f_.txtInput.clear();
        actions_.prüfen();
    } else {
        protokolliere(token);
        const Klasse klasse = klassifiziere(token, muster, f_.txtLocator.size());
        if (klasse != Klasse::Unbekannt)
            anwenden(static_cast<int>(klasse), token);
    }
    bereitschaftPrüfen();
}

void EntryModel::anwenden(int k, const QString& token)
{
    const auto klasse = static_cast<Klasse>(k);
    f_.txtInput.clear();
    switch (klasse) {
    case Klasse::Unbekannt:
    case Klasse::Speichern:
        return;
    case Klasse::QslUmschalten:
        f_.chkQSL = !f_.chkQSL;
        return;
    case Klasse::RstGegeben:
        f_.txtRSTgeg = token;
        return;
    case Klasse::RstErhalten:
        f_.txtRSTerh = token;
        return;
    case Klasse::ZeitHHMM: {
        // The digits, so that a split token ("X/1430") gives a time as well.
        QString ziffern;
        for (const QChar c : token) {
            if (c.isDigit())
                ziffern.append(c);
        }
        f_.txtUhrzeit = ziffern.left(2) + u':' + ziffern.right(2);
        f_.Zeit = true;
        return;
    }
    case Klasse::ZeitHH_MM:
        f_.txtUhrzeit = token;
        f_.Zeit = true;
        return;
    case Klasse::Datum:
        f_.lblDatum = token;
        return;
    case Klasse::Call:
        f_.txtCall = token;
        if (KernCall(token, f_.teile) == token) {
            f_.teile.präfix.clear();
            f_.teile.suffix.clear();
        }
        break;
    case Klasse::PräfixUmschalten:
        f_.teile.präfix = token == f_.teile.präfix ? QString() : token;
        callNeuZusammensetzen();
        break;
    case Klasse::SuffixUmschalten:
        f_.teile.suffix = token == f_.teile.suffix ? QString() : token;
        callNeuZusammensetzen();
        break;
    case Klasse::CallBuchstaben: {
        const qsizetype p = Zeichen(f_.teile.kern).indexOf(u'#') + 1;
        f_.teile.kern = f_.teile.kern.left(p) + token;
        callNeuZusammensetzen();
        break;
    }
    case Klasse::CallPräfix: {
        const qsizetype p = Zeichen(f_.teile.kern).indexOf(u'#') + 1;
        f_.teile.kern = token + f_.teile.kern.mid(p);
        callNeuZusammensetzen();
        break;
    }
    case Klasse::LocatorEnde3:
        setLocator(f_.txtLocator.left(3) + token);
        break;
    case Klasse::LocatorEnde4:
        setLocator(f_.txtLocator.left(2) + token);
        break;
    case Klasse::Locator:
        setLocator(token);
        break;
    }
    actions_.prüfen();
}

void EntryModel::setCall(const QString& call)
{
    f_.txtCall = call;
    KernCall(call, f_.teile);
}

void EntryModel::callNeuZusammensetzen()
{
    f_.txtCall = f_.teile.zusammen();
}

void EntryModel::bereitschaftPrüfen()
{
    if (!f_.txtNummer.isEmpty() && !f_.txtCall.isEmpty() && !f_.txtLocator.isEmpty()
        && !f_.txtRSTerh.isEmpty() && !f_.txtRSTgeg.isEmpty())
        f_.lblOk = true;
}

void EntryModel::setLocator(const QString& locator)
{
    if (locator == f_.txtLocator)
        return;
    f_.txtLocator = locator;
    if (locator.isEmpty())
        return;
    if (!locatorGültig(locator)) {
        prompter_.zeige(fehlerMeldung(u"ungültiger Locator!"_s));
        f_.txtLocator.clear();
        return;
    }
    const Strecke s = Abstand(f_.lblLocator, locator);
    f_.txtQRB = QString::number(s.km);
    setWinkel(QString::number(s.winkel));
}

void EntryModel::setWinkel(const QString& winkel)
{
    f_.txtWinkel = winkel;
    f_.lblPfeil = pfeil(winkel);
}

void EntryModel::Löschen()
{
    f_.txtUhrzeit = f_.lblUhrzeit;
    f_.txtCall.clear();
    f_.txtInput.clear();
    f_.txtLocator.clear();
    f_.txtQRB.clear();
    f_.txtRSTerh.clear();
    setWinkel(QString());
    f_.txtRSTgeg = rstText(f_.RST);
    f_.cboLocator.clear();
    f_.cboLocatorIndex = -1;
    f_.cboLocatorSichtbar = false;
    f_.frame1Aktiv = false;
    f_.lblLand.clear();
    f_.lblInfo = u"Info: ()"_s;
    f_.lblOk = false;
    f_.teile = {};
    f_.ungültig = false;
    f_.txtKommentar.clear();
    f_.chkQSL = false;
}

} // namespace tarvex
