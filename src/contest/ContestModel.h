#pragma once
#include "BearbeitenModel.h"
#include "OffenerContest.h"
#include "common/Prompter.h"
#include "entry/EntryActions.h"
#include "entry/EntryModel.h"
#include "entry/LogList.h"
#include "entry/Spielstand.h"
#include "entry/Wertung.h"
#include "store/BandList.h"
#include "store/QsoRecord.h"

#include <QDate>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace tarvex {

class CallLookup;
class UserError;
class Clock;
class ContestDatabase;
class KeystrokeLog;
class PrinterSurface;
class Prompter;
class Settings;

// The logging window's model: the open contest and band, the contact being
// entered, the log list, the running score, and what happens on save, on a
// duplicate, with an unknown country and in the edit panel. Every window reads
// Datenbank and Band from here.
class ContestModel : public OffenerContest, public EntryActions {
    Q_OBJECT
public:
    ContestModel(Prompter& prompter, Clock& clock, KeystrokeLog& log, CallLookup& lookup, Settings& settings,
        QObject* parent = nullptr);
    ~ContestModel() override;

    // Loading: options from the settings, the remembered contest on the
    // remembered band. Returns true when the information box is due: after a
    // reopened contest and on a start without a remembered one, not when the
    // remembered file has gone or cannot be opened.
    bool laden();
    // Binds the model to a contest file and band (current band table upgraded,
    // TMP and PARAM ensured, own station read from PARAM); UserError when it
    // cannot be opened. Does not touch the settings.
    void öffnen(const QString& datenbank, const QString& band);
    void schließen();
    // Makes another band of the open contest current.
    void bandWechseln(const QString& band) override;
    void angehängt(const QString& band, qint64 ersteRowid) override;
    // "Contest  -  " + the database path in lower case, or the program's title.
    QString fenstertitel() const
    {
        return datenbank_.isEmpty() ? QStringLiteral("Tarvex V3.0")
                                    : QStringLiteral("Contest  -  ") + datenbank_.toLower();
    }
    Settings& settings() override { return settings_; }
    bool hatContest() const override { return db_ != nullptr; }
    ContestDatabase* db() override { return db_.get(); }

    const QString& Datenbank() const override { return datenbank_; }
    const QString& Band() const override { return band_; }
    QString lblBand() const { return bandAnzeige(band_); }

    EntryModel& entry() { return entry_; }
    const EntryFields& felder() const override { return entry_.felder(); }
    LogList& logList() { return log_; }
    const Spielstand& spielstand() const override { return stand_; }
    Summen summen() const override { return wertung_.summen(); }
    // Contacts written past this model (an import, the edit window) are counted first.
    QList<Gruppensumme> gruppen(Gruppierung nach) override
    {
        Punkte();
        return wertung_.gruppen(nach);
    }
    QList<Entfernung> entfernungen(bool mitUngültigen) override
    {
        Punkte();
        return wertung_.entfernungen(mitUngültigen);
    }
    QList<Stundensumme> stunden() override
    {
        Punkte();
        return wertung_.stunden();
    }
    const std::vector<Kontaktort>& orte() override
    {
        Punkte();
        return wertung_.orte();
    }

    // Options; the setters write the settings at once.
    int UTC() const { return UTC_; } // hours added to the computer clock: -Zeitdifferenz
    bool Protokoll() const { return Protokoll_; } // print each saved contact
    bool kommentarSpalte() const { return kommentarSpalte_; }
    void setRst(RstVorgabe rst);
    void setLoggen(Speichertaste loggen);
    void setProtokoll(bool protokoll);
    void setZeitdifferenz(int stunden);
    void setKommentarSpalte(bool sichtbar);
    void setEigeneStation(const QString& call, const QString& locator)
    {
        lblCall_ = call;
        entry_.felder().lblLocator = locator;
    }

    // Commands on the log: delete the last contact, declare one invalid.
    void letztenLöschen(int row);
    void ungültigErklären(int row);
    const QString& lblCall() const override { return lblCall_; }

    // Call and locator of the last saved contact, for the band change.
    const QString& LastCall() const { return LastCall_; }
    const QString& LastLocator() const { return LastLocator_; }
    // After the band change declined to carry them over.
    void lastCallVergessen() { LastCall_.clear(); }

    // The printer journal's surface; its document is never ended here, so the
    // lines of a contest come out together when the program ends.
    void setJournalDrucker(PrinterSurface* drucker) { drucker_ = drucker; }
    // Asked with the band table before a complete contact is stored; false keeps
    // the entry as it is (the transceiver's band check).
    void setSpeichernFreigabe(std::function<bool(const QString&)> freigabe)
    {
        freigabe_ = std::move(freigabe);
    }

    // Running score of the current band, read afresh from the band table when
    // something other than this model wrote to the file since the score was last
    // shown (an import); saves and corrections keep it up to date themselves, so
    // coming back to the logging window costs nothing when nothing changed.
    void Punkte();
    // The clock's current UTC time "hh:mm", shown in lblUhrzeit.
    QString utcZeit() const;
    // The 500 ms timer: moves lblUhrzeit on, and the entry time while it follows the clock.
    void uhrTick();

    // The country list offered for an unknown prefix.
    bool länderlisteSichtbar() const { return länderlisteSichtbar_; }
    const QStringList& länder() const { return länder_; }
    void länderlisteOk(int index);
    void länderlisteAbbrechen();

    // Locator choice list (cboLocator).
    void locatorGewählt(int index);

    // The edit panel (fraUpdate) on a contact of the log list.
    BearbeitenModel& bearbeitung() { return bearbeitung_; }
    // Stores a changed contact; the running score and the log list follow. False
    // when the store refused (reported to the operator).
    bool qsoÄndern(qint64 rowid, const QsoRecord& qso);

    // EntryActions: what the input line asks for.
    void prüfen() override;
    void suchen(const QString& muster) override;
    void speichern() override;
    void doppelFrage() override;
    void alleAnzeigen() override;

signals:
    // The log list shows all contacts again: scroll so the last one is the top row.
    void logReset();
    void focusInput();
    void titleChanged();

private:
    QString heute() const;
    bool unbekanntesLand();
    void zurücksetzenNachSpeichern(qint64 rowid);
    void spielstandZeigen();
    // Replaces a contact's part of the running score after it was changed in the table.
    void neuGewertet(const std::optional<WertungsZeile>& alt, qint64 rowid);
    void fehler(const UserError& e);

    Prompter& prompter_;
    Clock& clock_;
    KeystrokeLog& keystrokes_;
    CallLookup& lookup_;
    Settings& settings_;
    EntryModel entry_;
    LogList log_;
    int UTC_ = 0;
    bool Protokoll_ = false;
    bool kommentarSpalte_ = false;
    QString LastCall_;
    QString LastLocator_;
    Wertung wertung_;
    Spielstand stand_;
    std::unique_ptr<ContestDatabase> db_;
    QString datenbank_;
    QString band_;
    // Band and the file's change count the score was last shown for; -1: unknown.
    QString gewertetesBand_;
    qint64 gewertetBei_ = -1;
    QString lblCall_;
    PrinterSurface* drucker_ = nullptr;
    std::function<bool(const QString&)> freigabe_;
    bool länderlisteSichtbar_ = false;
    QStringList länder_;
    BearbeitenModel bearbeitung_;
};

} // namespace tarvex
