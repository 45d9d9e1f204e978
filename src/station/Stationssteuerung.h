#pragma once
#include "Rotor.h"
#include "StationsEinstellungen.h"
#include "Transceiver.h"
#include "common/Optionen.h"

#include <QObject>
#include <QString>
#include <optional>

namespace tarvex {

class Prompter;
class Settings;

// Transceiver and rotator as the logging window uses them: turning the antenna
// to the station being entered, the question before saving on another band than
// the rig's, the report preset from the rig's mode and the status texts. Every
// answer comes from the last poll; nothing here waits on the network.
class Stationssteuerung : public QObject {
    Q_OBJECT
public:
    Stationssteuerung(Settings& settings, Prompter& prompter, HamlibZeiten zeiten = {}, int abfrageMs = 1000,
        QObject* parent = nullptr);

    // Reads the settings and connects what is switched on.
    void laden();
    const StationsEinstellungen& einstellungen() const { return einstellungen_; }
    // Stores new settings and reconnects what changed.
    void übernehmen(const StationsEinstellungen& neu);

    Rotor& rotor() { return rotor_; }
    Transceiver& transceiver() { return transceiver_; }

    // Turns the antenna to the bearing of the input line ("123"), or to the
    // opposite one; returns what the status bar tells the operator.
    QString antenneDrehen(const QString& winkel, bool langerWeg);
    QString rotorAnhalten();

    // Before a contact is saved on bandTabelle: true to go on. Asks when the
    // rig's frequency lies outside that band.
    bool speichernFreigeben(const QString& bandTabelle);
    // The band table the rig is tuned to ("432MHz"), or "" when unknown.
    QString transceiverBand() const;
    // The preset the rig's mode calls for, when the settings ask for it.
    std::optional<RstVorgabe> rapportVorgabe() const;
    // The rotator's azimuth in whole degrees ("123"), "" when unknown.
    QString rotorWinkel() const;

signals:
    void changed();

private:
    Settings& settings_;
    Prompter& prompter_;
    StationsEinstellungen einstellungen_;
    Rotor rotor_;
    Transceiver transceiver_;
};

} // namespace tarvex
