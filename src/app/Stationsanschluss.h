#pragma once
#include "station/Stationssteuerung.h"

#include <QObject>

class QLabel;

namespace tarvex {

class ContestModel;
class MainWindow;
class Prompter;
class Settings;

// Wires transceiver and rotator into the main frame: the commands "Antenne
// drehen" (F5, Shift+F5 for the long path), "Rotor anhalten" and "Transceiver
// und Rotor …", the two status-bar texts, the band check before saving and the
// report preset that follows the rig's mode. Owned by the main frame.
class Stationsanschluss : public QObject {
    Q_OBJECT
public:
    Stationsanschluss(MainWindow& rahmen, ContestModel& contest, Settings& settings, Prompter& prompter);
    ~Stationsanschluss() override;

    // Connects what the settings switch on; at start-up, after loading.
    void starten();
    Stationssteuerung& steuerung() { return steuerung_; }

private:
    void zeigen();
    void melden(const QString& text);

    MainWindow& rahmen_;
    ContestModel& contest_;
    Stationssteuerung steuerung_;
    QLabel* transceiverText_ = nullptr;
    QLabel* rotorText_ = nullptr;
};

} // namespace tarvex
