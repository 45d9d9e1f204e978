#pragma once
#include "StationsEinstellungen.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tarvex {

class Stationssteuerung;
class Verbindungsprobe;

// "Transceiver und Rotor …": on/off, host and port of each daemon, the report
// preset tick, and "Verbindung prüfen", which shows the daemon's answer in the
// form instead of a message box.
class StationsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StationsDialog(const StationsEinstellungen& e, QWidget* parent = nullptr);

    StationsEinstellungen einstellungen() const;
    QLabel* antwort(bool rotor) const { return rotor ? rotorAntwort_ : rigAntwort_; }

    // Shows the form; OK hands the settings to the station control.
    static void ausführen(QWidget* parent, Stationssteuerung& station);

private:
    struct Zeile {
        QCheckBox* ein = nullptr;
        QLineEdit* host = nullptr;
        QSpinBox* port = nullptr;
    };
    QWidget* gruppe(const QString& titel, const QString& name, bool ein, const QString& host, quint16 port,
        Zeile& zeile, QLabel*& antwort, Verbindungsprobe*& probe);

    Zeile rotor_;
    Zeile rig_;
    QLabel* rotorAntwort_ = nullptr;
    QLabel* rigAntwort_ = nullptr;
    Verbindungsprobe* rotorProbe_ = nullptr;
    Verbindungsprobe* rigProbe_ = nullptr;
    QCheckBox* rapport_ = nullptr;
};

} // namespace tarvex
