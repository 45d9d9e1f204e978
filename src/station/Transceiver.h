#pragma once
#include "HamlibClient.h"
#include "common/Optionen.h"

#include <QObject>
#include <QString>
#include <optional>

class QTimer;

namespace tarvex {

// What the status bar says about the transceiver, from its state alone.
struct Transceiverlage {
    bool ein = false;
    HamlibClient::Zustand zustand = HamlibClient::Zustand::Aus;
    bool gescheitert = false;
    std::optional<int> fehler;
    std::optional<qint64> frequenz; // Hz
    QString mode; // as Hamlib names it: "CW", "USB", "FM"
};

// The transceiver behind rigctld: frequency ("f") and mode ("m") polled about
// once a second while connected.
class Transceiver : public QObject {
    Q_OBJECT
public:
    explicit Transceiver(HamlibZeiten zeiten = {}, int abfrageMs = 1000, QObject* parent = nullptr);

    void einschalten(const QString& host, quint16 port);
    void ausschalten();
    bool ein() const { return ein_; }
    // The rig's frequency while it is connected and answering, else nothing.
    std::optional<qint64> frequenz() const;
    QString mode() const;

    Transceiverlage lage() const;
    QString statusText() const { return statusText(lage()); }

    // "144,300 MHz CW", "Transceiver nicht erreichbar", ...
    static QString statusText(const Transceiverlage& lage);
    // The report preset a mode calls for: 599 for telegraphy, 59 for voice,
    // nothing for data modes, which keep the operator's choice.
    static std::optional<RstVorgabe> rstFürMode(const QString& mode);

signals:
    void changed();

private:
    void abfragen();

    HamlibClient client_;
    QTimer* uhr_ = nullptr;
    bool ein_ = false;
    std::optional<int> fehler_;
    std::optional<qint64> frequenz_;
    QString mode_;
};

} // namespace tarvex
