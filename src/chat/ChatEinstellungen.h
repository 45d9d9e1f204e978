#pragma once
#include <QString>
#include <QtGlobal>

namespace tarvex {

class Settings;

// The chat's and the cluster's access, settings section Chat. The call is the
// contest's own call when none is set.
struct ChatEinstellungen {
    QString chatServer;
    quint16 chatPort = 0;
    int raum = 0;
    QString chatCall;
    QString passwort;
    QString clusterServer; // "" until the operator names a cluster
    quint16 clusterPort = 0;
    QString clusterCall;

    // Missing or unusable values read as the defaults: the chat's published
    // access, room 144/432 MHz, cluster port 7300.
    static ChatEinstellungen laden(const Settings& settings);
    void speichern(Settings& settings) const;
    bool operator==(const ChatEinstellungen&) const = default;
};

} // namespace tarvex
