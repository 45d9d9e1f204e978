#pragma once
#include "common/Optionen.h"

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace tarvex {

// The per-user settings store, application "CONTEST": sections and keys of plain
// strings. Reading a missing key yields "", numbers are read through the VAL rule
// (empty or non-numeric → 0), and every write reaches the store at once.
class Settings {
public:
    // The user's store (INI file in the user's configuration directory).
    Settings();
    // A store in the given INI file (tests, portable installs).
    explicit Settings(const QString& iniDatei);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString lesen(const QString& abschnitt, const QString& schlüssel) const;
    int zahl(const QString& abschnitt, const QString& schlüssel) const;
    void schreiben(const QString& abschnitt, const QString& schlüssel, const QString& wert);
    void zahlSchreiben(const QString& abschnitt, const QString& schlüssel, int wert);
    void abschnittLöschen(const QString& abschnitt);

    // Section Parameter.
    QString rufzeichen() const;
    QString locator() const;
    // Unknown numbers read as the nearest sensible choice: no preset, Enter, no printing.
    RstVorgabe rst() const;
    Speichertaste loggen() const;
    bool protokoll() const;
    int zeitdifferenz() const;
    bool kommentarSpalte() const;
    void setRufzeichen(const QString& call);
    void setLocator(const QString& locator);
    void setRst(RstVorgabe rst);
    void setLoggen(Speichertaste loggen);
    void setProtokoll(bool protokoll);
    void setZeitdifferenz(int stunden);
    void setKommentarSpalte(bool sichtbar);

    // Sections lastContest and lastBand.
    QString letzterContest() const;
    QString letztesBand() const;
    void setLetzterContest(const QString& pfad);
    void setLetztesBand(const QString& band);

    // Section Bänder: the band tables of the current contest.
    QStringList bänder() const;
    bool hatBand(const QString& band) const;
    // Deletes the section (writing Band1 first, so it always exists) and writes
    // one key per band table given.
    void setBänder(const QStringList& bandTabellen);

    // Cover-sheet data: section Log and Log + band table name.
    static QString logAbschnitt(const QString& band);

    void sync();
    QString dateiname() const;

private:
    std::unique_ptr<QSettings> store_;
};

} // namespace tarvex
