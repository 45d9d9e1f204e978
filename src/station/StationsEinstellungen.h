#pragma once
#include <QString>
#include <QtGlobal>

namespace tarvex {

class Settings;

// The settings of transceiver and rotator, section Stationssteuerung.
struct StationsEinstellungen {
    bool rotorEin = false;
    QString rotorHost = QStringLiteral("127.0.0.1");
    quint16 rotorPort = 4533;
    bool transceiverEin = false;
    QString transceiverHost = QStringLiteral("127.0.0.1");
    quint16 transceiverPort = 4532;
    // The sent report preset follows the rig's mode.
    bool rapportNachMode = false;

    // Missing or unusable values read as the defaults above.
    static StationsEinstellungen laden(const Settings& settings);
    void speichern(Settings& settings) const;
    bool operator==(const StationsEinstellungen&) const = default;
};

} // namespace tarvex
