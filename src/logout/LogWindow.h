#pragma once
#include "LogModel.h"

#include <QMap>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace tarvex {

class Clock;
class Feldverlassen;
class PrinterSurface;
class Prompter;
enum class LogFeld : int;

// frmLog, "Log drucken": the cover-sheet fields, the output choices and the
// buttons over LogModel. Created once, then shown and hidden in the main frame.
// Paper goes to the given surface when a printer is installed; without one the
// whole printout becomes one PDF file whose path is told once.
class LogWindow : public QWidget {
    Q_OBJECT
public:
    LogWindow(LogModel& model, Prompter& prompter, PrinterSurface& drucker, const Druckerwahl& wahl,
        QWidget* parent = nullptr);

    LogModel& model() { return model_; }
    QMenuBar* menüleiste() const { return menüleiste_; }

    void drucken();
    void vorschau();

signals:
    // Show the logging window again.
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void anzeigen();
    void feldGeändert(LogFeld feld, const QString& text);
    // A date check still owed by leaving txtDatum; false after its message.
    bool datumPrüfen();
    // One PDF for the whole log: without a printer, or instead of a failing one.
    void alsPdfDrucken(LogModel::Druckweg weg);

    LogModel& model_;
    Prompter& prompter_;
    PrinterSurface& drucker_;
    const Druckerwahl& wahl_;
    QMenuBar* menüleiste_ = nullptr;
    QMap<LogFeld, QLineEdit*> felder_;
    QCheckBox* chkDeckblatt_ = nullptr;
    QCheckBox* chkLog_ = nullptr;
    QCheckBox* chkInDatei_ = nullptr;
    QCheckBox* chkExportieren_ = nullptr;
    QCheckBox* chkADIF_ = nullptr;
    QCheckBox* chkEMail_ = nullptr;
    QCheckBox* chkEDI_ = nullptr;
    QLabel* lblDateiname_ = nullptr;
    QLabel* lblStationsdaten_ = nullptr;
    QLineEdit* txtDateiName_ = nullptr;
    QLineEdit* txtExportname_ = nullptr;
    QLineEdit* txtEdiname_ = nullptr;
    QPushButton* cmdDrucken_ = nullptr;
    QPushButton* cmdVorschau_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
    Feldverlassen* datumVerlassen_ = nullptr;
};

} // namespace tarvex
