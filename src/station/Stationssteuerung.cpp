#include "Stationssteuerung.h"

#include "Frequenzband.h"
#include "common/Prompter.h"
#include "store/BandList.h"

#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

Stationssteuerung::Stationssteuerung(
    Settings& settings, Prompter& prompter, HamlibZeiten zeiten, int abfrageMs, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , prompter_(prompter)
    , rotor_(zeiten, abfrageMs)
    , transceiver_(zeiten, abfrageMs)
{
    connect(&rotor_, &Rotor::changed, this, &Stationssteuerung::changed);
    connect(&transceiver_, &Transceiver::changed, this, &Stationssteuerung::changed);
}

void Stationssteuerung::laden()
{
    const StationsEinstellungen e = StationsEinstellungen::laden(settings_);
    einstellungen_ = e;
    if (e.rotorEin)
        rotor_.einschalten(e.rotorHost, e.rotorPort);
    if (e.transceiverEin)
        transceiver_.einschalten(e.transceiverHost, e.transceiverPort);
    emit changed();
}

void Stationssteuerung::übernehmen(const StationsEinstellungen& neu)
{
    const StationsEinstellungen alt = einstellungen_;
    einstellungen_ = neu;
    neu.speichern(settings_);
    const auto rotorGeändert
        = alt.rotorEin != neu.rotorEin || alt.rotorHost != neu.rotorHost || alt.rotorPort != neu.rotorPort;
    if (rotorGeändert || (neu.rotorEin && !rotor_.ein())) {
        if (neu.rotorEin)
            rotor_.einschalten(neu.rotorHost, neu.rotorPort);
        else
            rotor_.ausschalten();
    }
    const auto rigGeändert = alt.transceiverEin != neu.transceiverEin
        || alt.transceiverHost != neu.transceiverHost || alt.transceiverPort != neu.transceiverPort;
    if (rigGeändert || (neu.transceiverEin && !transceiver_.ein())) {
        if (neu.transceiverEin)
            transceiver_.einschalten(neu.transceiverHost, neu.transceiverPort);
        else
            transceiver_.ausschalten();
    }
    emit changed();
}

QString Stationssteuerung::antenneDrehen(const QString& winkel, bool langerWeg)
{
    if (!rotor_.ein())
        return u"Der Rotor ist nicht eingeschaltet (Optionen – Transceiver und Rotor)"_s;
    const std::optional<int> grad = Rotor::winkel(winkel);
    if (!grad)
        return u"Kein Winkel: erst einen Locator eingeben"_s;
    const double ziel = langerWeg ? Rotor::langerWeg(*grad) : *grad;
    if (!rotor_.drehen(ziel))
        return u"Rotor nicht erreichbar"_s;
    return u"Antenne dreht auf %1°%2"_s.arg(std::lround(ziel))
        .arg(langerWeg ? u" (langer Weg)"_s : QString());
}

QString Stationssteuerung::rotorAnhalten()
{
    if (!rotor_.ein())
        return u"Der Rotor ist nicht eingeschaltet (Optionen – Transceiver und Rotor)"_s;
    return rotor_.anhalten() ? u"Rotor angehalten"_s : u"Rotor nicht erreichbar"_s;
}

bool Stationssteuerung::speichernFreigeben(const QString& bandTabelle)
{
    const std::optional<qint64> f = transceiver_.frequenz();
    if (!f)
        return true;
    const BandInfo* rig = bandZurFrequenz(*f);
    if (rig != nullptr && rig->tabelle.compare(bandTabelle, Qt::CaseInsensitive) == 0)
        return true;
    const Meldung frage { u"Der Transceiver steht auf %1, gespeichert wird auf %2. Trotzdem speichern?"_s.arg(
                              frequenzText(*f), bandAnzeige(bandTabelle)),
        u"Frage"_s, Meldung::Symbol::Frage, Meldung::Knöpfe::JaNein, Meldung::Antwort::Nein };
    return prompter_.zeige(frage) == Meldung::Antwort::Ja;
}

QString Stationssteuerung::transceiverBand() const
{
    const std::optional<qint64> f = transceiver_.frequenz();
    const BandInfo* b = f ? bandZurFrequenz(*f) : nullptr;
    return b != nullptr ? b->tabelle : QString();
}

std::optional<RstVorgabe> Stationssteuerung::rapportVorgabe() const
{
    if (!einstellungen_.rapportNachMode)
        return std::nullopt;
    return Transceiver::rstFürMode(transceiver_.mode());
}

QString Stationssteuerung::rotorWinkel() const
{
    const std::optional<double> az = rotor_.azimut();
    if (!az)
        return {};
    const long g = std::lround(*az) % 360;
    return QString::number(g < 0 ? g + 360 : g);
}

} // namespace tarvex
