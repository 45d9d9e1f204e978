#pragma once
#include "stats/Kartenbildspeicher.h"

#include <QObject>
#include <QPointer>

namespace tarvex {

class ContestDat;
class ContestModel;
class KarteModel;
class KarteWindow;
class LocatorsucheWindow;
class LocatorTextWindow;
class MainWindow;
class Prompter;

// Wires the map commands (F9, "&QSO-Karte", "Karte (Text)", "Karte (Grafik)",
// "&Locatorsuche", toolbar "Karte") to their windows. The graphic map is a
// working window of the main frame, made on first use and unloaded by
// "&zurück"; the text map and the locator search are windows of their own,
// not modal, unloaded when closed.
class Kartensteuerung : public QObject {
    Q_OBJECT
public:
    Kartensteuerung(MainWindow& rahmen, ContestModel& contest, ContestDat& contestDat, Prompter& prompter);

    // The graphic map's model, made (and shown) when there is none.
    KarteModel& karte();

private:
    void zurück();
    void textKarte();
    void locatorsuche();

    MainWindow& rahmen_;
    ContestModel& contest_;
    ContestDat& contestDat_;
    Prompter& prompter_;
    QPointer<KarteWindow> karteWindow_;
    KarteModel* karteModel_ = nullptr;
    Kartenbildspeicher karteBilder_;
    QPointer<LocatorTextWindow> textWindow_;
    QPointer<LocatorsucheWindow> sucheWindow_;
};

} // namespace tarvex
