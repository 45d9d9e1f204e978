#pragma once
#include "contest/Digitalbetrieb.h"
#include "digital/DigitalEinstellungen.h"
#include "digital/WsjtxEmpfang.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;

namespace tarvex {

class ContestModel;
class Fragensperre;
class MainWindow;
class Settings;
class WartendeWindow;

// Wires the digital modes into the main frame: the UDP receiver as the
// settings say, "Digitale Betriebsarten …", the waiting list (shown by
// itself when a contact starts waiting) and the status-bar text of the
// station being worked. Owned by the main frame.
class Digitalanschluss : public QObject {
    Q_OBJECT
public:
    Digitalanschluss(MainWindow& rahmen, ContestModel& contest, Settings& settings, Fragensperre& fragen);
    ~Digitalanschluss() override;

    // Listens when the settings say so; at start-up, after loading.
    void starten();
    Digitalbetrieb& betrieb() { return betrieb_; }
    WsjtxEmpfang& empfang() { return empfang_; }

private:
    void einstellen();
    void empfangen(const wsjtx::Nachricht& nachricht);
    void nachholen();
    void listeZeigen(bool aktivieren);
    void listeFüllen();
    void melden(const QString& text);

    MainWindow& rahmen_;
    ContestModel& contest_;
    Settings& settings_;
    Digitalbetrieb betrieb_;
    WsjtxEmpfang empfang_;
    QPointer<WartendeWindow> liste_;
    QLabel* gearbeitet_ = nullptr;
    // Contacts that came while a box was open; taken when it has closed.
    QList<wsjtx::Nachricht> aufgeschoben_;
    QTimer nachholen_;
};

} // namespace tarvex
