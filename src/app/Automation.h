#pragma once
#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace tarvex {

class ContestModel;
class Stationssteuerung;

// What other programs on this machine (a rotator controller, a station display)
// may read of the logging window: eight read-only strings, each taken from the
// model at the moment it is asked for, exactly as the window holds it, and the
// rotator's azimuth in whole degrees ("" while it is unknown). Whenever
// one of them changes, the standard PropertiesChanged signal carries the new
// values, so a client need not poll.
//
// Bus name de.tarvex.Tarvex, object /de/tarvex/Tarvex, interface de.tarvex.Tarvex.
// The names are ASCII: D-Bus allows nothing else, and moc reads them.
class Automation : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.tarvex.Tarvex")
    Q_PROPERTY(QString EigenesRufzeichen READ EigenesRufzeichen)
    Q_PROPERTY(QString EigenerLocator READ EigenerLocator)
    Q_PROPERTY(QString Locator READ Locator)
    Q_PROPERTY(QString Winkel READ Winkel)
    Q_PROPERTY(QString Rufzeichen READ Rufzeichen)
    Q_PROPERTY(QString Band READ Band)
    Q_PROPERTY(QString Rapport READ Rapport)
    Q_PROPERTY(QString LaufendeNummer READ LaufendeNummer)
    Q_PROPERTY(QString Rotor READ Rotor)
public:
    static QString busName();
    static QString objektPfad();
    static QString schnittstelle();

    // Lives as a child of the model; sends its change signal on the given bus.
    // Without a station control the rotator's azimuth reads "".
    Automation(ContestModel& model, const QDBusConnection& bus, const Stationssteuerung* station = nullptr);

    QString EigenesRufzeichen() const;
    QString EigenerLocator() const;
    QString Locator() const;
    QString Winkel() const;
    QString Rufzeichen() const;
    QString Band() const;
    QString Rapport() const;
    QString LaufendeNummer() const;
    QString Rotor() const;

private:
    QStringList werte() const;
    void modelGeaendert();

    ContestModel& model_;
    QDBusConnection bus_;
    // Goes with the main frame, before the model this object belongs to.
    QPointer<const Stationssteuerung> station_;
    QStringList gemeldet_;
};

// Offers the model on the session bus; called once at start-up. Returns false,
// silently, when there is no session bus or another Tarvex holds the name: the
// program then runs without the automation.
bool automationAnmelden(ContestModel& model, const Stationssteuerung* station = nullptr);
bool automationAnmelden(ContestModel& model, QDBusConnection bus, const Stationssteuerung* station = nullptr);

} // namespace tarvex
