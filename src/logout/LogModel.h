#pragma once
#include "LogSeiten.h"
#include "formats/EdiSchreiber.h"
#include "print/Druckerwahl.h"
#include "print/Druckzeile.h"

#include <QObject>
#include <memory>
#include <optional>

namespace tarvex {

class AtomicTextFile;

class Clock;
class OffenerContest;
class LogFelder;
class MailVersand;
// Declared here without its values: moc cannot read them.
enum class LogFeld : int;
class PrinterSurface;
class Prompter;

// The log window frmLog ("Log drucken") without its widgets: the cover-sheet
// fields with their settings, the output choices, and "&Drucken" running the
// outputs in their fixed order. Everything works on the logging window's
// current band. Created once per run, so fields and ticks survive between uses.
class LogModel : public QObject {
    Q_OBJECT
public:
    static constexpr int dateinameLänge = 20;

    // mail: where "EXP-Datei sofort als e-Mail senden" hands the exchange file;
    // without one (tests of the printouts) the box has no effect.
    LogModel(OffenerContest& contest, Prompter& prompter, Clock& clock, MailVersand* mail = nullptr,
        QObject* parent = nullptr);
    ~LogModel() override;

    // Each time the window is shown: the stored values of the current band.
    void aktivieren();

    const LogFelder& felder() const { return *felder_; }
    // Not empty when the band has no station data stored and the fields still show
    // another band's (transmitter, antenna …): said, so the wrong antenna is not printed.
    const QString& stationsdatenHinweis() const { return stationsdatenHinweis_; }
    const QString& text(LogFeld feld) const;
    // Cut to the field's length; in txtDatum a comma becomes a full stop.
    void setText(LogFeld feld, const QString& text);
    // Leaving txtDatum: false after the message (the focus goes back).
    bool datumVerlassen();
    static bool datumGültig(const QString& text);

    bool chkDeckblatt() const { return deckblatt_; }
    bool chkLog() const { return log_; }
    bool chkInDatei() const { return inDatei_; }
    bool chkExportieren() const { return true; }
    bool chkADIF() const { return adif_; }
    bool chkEMail() const { return eMail_; }
    void setDeckblatt(bool an) { deckblatt_ = an; }
    void setLog(bool an) { log_ = an; }
    // Ticking shows the file name empty; unticking hides it and keeps the text.
    void setInDatei(bool an);
    // The export always runs: the box cannot be unticked.
    void setExportieren(bool) { }
    void setADIF(bool an) { adif_ = an; }
    void setEMail(bool an) { eMail_ = an; }
    // "EDI-Datei (REG1TEST) erstellen": ticked at start, kept in the settings.
    bool chkEDI() const { return edi_; }
    void setEDI(bool an);

    bool dateinameSichtbar() const { return inDatei_; }
    const QString& txtDateiName() const { return dateiName_; }
    void setTxtDateiName(const QString& text);
    // The exchange file the export wrote, as the reminder names it.
    const QString& txtExportname() const { return exportname_; }
    void setTxtExportname(const QString& text) { exportname_ = text; }
    // The EDI file the last run wrote, shown like the export name.
    const QString& txtEdiname() const { return ediname_; }

    // Where cmdDrucken puts the cover sheet and log pages: Direkt onto the given
    // surface (or into the text file), a PDF file when no printer is installed or
    // when the operator takes one for a printer that cannot print now, or nothing.
    // The printer's trouble is asked about here, once for the whole log.
    enum class Druckweg { Direkt, PdfOhneDrucker, PdfStattDrucker, Nichts };
    Druckweg druckweg(const Druckerwahl& wahl);
    // The one PDF file of the whole printout, created and announced; empty when
    // it cannot be created (the operator is told, nothing is printed).
    QString pdfAnlegen(Druckweg weg);

    // cmdDrucken: outputs, reminder, back to the logging window, settings saved.
    // A failing output is reported; the window then stays open.
    void drucken(PrinterSurface& drucker);
    // cmdAbbrechen, mnuZurück2: back to the logging window; nothing saved or output.
    void abbrechen();
    // Preview: the printed outputs ticked, onto another surface; nothing saved.
    void vorschau(PrinterSurface& drucker);

    // The output procedures on the current band.
    void DeckblattDrucken(PrinterSurface& drucker);
    void DeckblattInDatei(AtomicTextFile& datei);
    void LogDrucken(PrinterSurface& drucker);
    // What the name stands for when it is one of the program's own files
    // (keystroke log, journal, reference file, contest file), which the
    // output must never overwrite.
    std::optional<QString> eigeneDatei(const QString& name) const;
    // The EDI file of the current band with the window's fields, from the
    // contacts the one read of "&Drucken" fed in.
    void EDIErstellen(EdiSchreiber::Aufbau& aufbau);
    QList<Druckzeile> deckblatt() const;
    QList<Druckzeile> logSeiten() const;

    static QString erinnerung(const QString& exportname);
    // With the EDI file named as well, when one was written.
    static QString erinnerung(const QString& exportname, const QString& ediname);

signals:
    void changed();
    // Show the logging window and hide this one.
    void closeRequested();
    void focusDatum();
    void focusDateiName();

private:
    LogSeiten::Kopf kopf() const;
    void speichern();

    OffenerContest& contest_;
    Prompter& prompter_;
    Clock& clock_;
    MailVersand* mail_;
    std::unique_ptr<LogFelder> felder_;
    bool deckblatt_ = true;
    bool log_ = true;
    bool inDatei_ = false;
    bool adif_ = false;
    bool eMail_ = false;
    bool edi_ = true;
    QString dateiName_;
    QString exportname_;
    QString ediname_;
    QString felderBand_; // the band whose station data the fields show
    QString stationsdatenHinweis_;
};

} // namespace tarvex
