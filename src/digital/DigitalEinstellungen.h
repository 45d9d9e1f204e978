#pragma once
#include "WsjtxNachricht.h"

#include <QString>

namespace tarvex {

class Settings;

// Receiving contacts from digital-mode programs, section Digitalbetrieb.
struct DigitalEinstellungen {
    bool ein = false;
    quint16 port = wsjtx::kStandardPort;
    // An IPv4 multicast group shared with other listeners; empty: plain UDP.
    QString gruppe;

    // Missing or unusable values read as the defaults above.
    static DigitalEinstellungen laden(const Settings& settings);
    void speichern(Settings& settings) const;
    // Empty when the values can be used, otherwise why not (German).
    QString fehler() const;
    bool operator==(const DigitalEinstellungen&) const = default;
};

} // namespace tarvex
