#pragma once
#include "HamlibClient.h"

#include <QObject>
#include <QString>
#include <optional>

class QTimer;

namespace tarvex {

// What the status bar says about the rotator, from its state alone.
struct Rotorlage {
    bool ein = false;
    HamlibClient::Zustand zustand = HamlibClient::Zustand::Aus;
    bool gescheitert = false; // a connection failed and none answered since
    std::optional<int> fehler; // the daemon's last "RPRT n"
    std::optional<double> azimut;
    std::optional<double> ziel;
};

// The rotator behind rotctld: turns to a bearing ("P az 0"), stops ("S") and
// polls the azimuth ("p") about once a second while connected.
class Rotor : public QObject {
    Q_OBJECT
public:
    explicit Rotor(HamlibZeiten zeiten = {}, int abfrageMs = 1000, QObject* parent = nullptr);

    void einschalten(const QString& host, quint16 port);
    void ausschalten();
    bool ein() const { return ein_; }
    // Connected and the last poll answered.
    bool erreichbar() const;
    std::optional<double> azimut() const { return azimut_; }
    std::optional<double> ziel() const { return ziel_; }
    // False when there is no connection to send on.
    bool drehen(double grad);
    bool anhalten();

    Rotorlage lage() const;
    QString statusText() const { return statusText(lage()); }

    // "Rotor 123°", "Rotor 45° → 123°" while turning, "Rotor nicht erreichbar", ...
    static QString statusText(const Rotorlage& lage);
    // The long path: the opposite bearing.
    static double langerWeg(double grad);
    // A bearing as the input line shows it ("123"), or nothing when there is none.
    static std::optional<int> winkel(const QString& text);

signals:
    void changed();

private:
    void abfragen();
    void quittung(const HamlibAntwort& a);

    HamlibClient client_;
    QTimer* uhr_ = nullptr;
    bool ein_ = false;
    std::optional<int> fehler_;
    std::optional<double> azimut_;
    std::optional<double> ziel_;
};

} // namespace tarvex
