#pragma once
#include "entry/EntryFields.h"
#include "entry/Spielstand.h"
#include "store/Summen.h"

#include <QObject>
#include <QString>
#include <vector>

namespace tarvex {

class ContestDatabase;
class Settings;

// What the other windows see of the open contest: its file, the current band,
// the own station, the contact being entered and the running score. The
// logging window's model implements it; the windows never see that model, so
// they cannot reach into its entry, log list or options.
class OffenerContest : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool hatContest() const = 0;
    // Null while no contest is open.
    virtual ContestDatabase* db() = 0;
    virtual const QString& Datenbank() const = 0;
    virtual const QString& Band() const = 0;
    // The own call; the own locator is felder().lblLocator.
    virtual const QString& lblCall() const = 0;
    virtual const EntryFields& felder() const = 0;
    virtual const Spielstand& spielstand() const = 0;
    // The running score of the current band, unformatted.
    virtual Summen summen() const = 0;
    // The current band's valid contacts per country or large square, from the running score.
    virtual QList<Gruppensumme> gruppen(Gruppierung nach) = 0;
    virtual QList<Entfernung> entfernungen(bool mitUngültigen) = 0;
    virtual QList<Stundensumme> stunden() = 0;
    // Every contact of the current band in stored order, from the running score.
    virtual const std::vector<Kontaktort>& orte() = 0;
    virtual Settings& settings() = 0;
    // Makes another band of the open contest current (an import into its band).
    virtual void bandWechseln(const QString& band) = 0;
    // Contacts were appended to a band from this rowid on (an import): that band
    // becomes current, and when it already was, only they are added to the
    // score and the grid.
    virtual void angehängt(const QString& band, qint64 ersteRowid) = 0;

signals:
    // Anything shown of the contest changed: contest, band, a contact, the own station.
    void changed();
};

} // namespace tarvex
