#pragma once
#include "common/Clock.h"
#include "common/Fragensperre.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "print/CupsDruckerwahl.h"
#include "store/CallInfoDb.h"
#include "store/ContestDat.h"
#include "store/Settings.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace tarvex {

class BekannteStationen;
class SammelimportLauf;
class CallInfoModel;
class CallInfoWindow;
class ContestModel;
class CurlMailSender;
class Chatanschluss;
class Digitalanschluss;
class MailVersand;
class LogModel;
class LogWindow;
class MainWindow;
class MessageBoxPrompter;
class QslModel;
class QslWindow;
class QtPrinterSurface;
class Stationsanschluss;

// Owns the program's objects for its whole run and wires the windows together.
// The printer journal's surface lives here so its document is printed when the
// program ends.
class Application : public QObject {
    Q_OBJECT
public:
    // settings: the store to use (tests pass one on a temporary file).
    explicit Application(std::unique_ptr<Settings> settings = std::make_unique<Settings>());
    ~Application() override;

    // Loads the logging window and shows the main frame; splash: wait and
    // process events for this long with the start window shown first.
    void starten(int splashMillisekunden = 2500);

    MainWindow& hauptfenster() { return *mainWindow_; }
    ContestModel& contest() { return *model_; }
    const Druckerwahl& druckerwahl() const { return druckerwahl_; }
    Settings& settings() { return *settings_; }
    ContestDat& contestDat() { return contestDat_; }
    // Mailing the exchange file and the outbox; the log window sends through it.
    MailVersand& mailVersand() { return *mailVersand_; }

private:
    void neuerContest(bool modal);
    void hilfe();
    void copyright();
    void letzteEingaben();
    // frmQSL: created at the first call, afterwards only shown.
    void qslZeigen();
    void zurLogEingabe();
    // The statistics windows are built afresh at every opening; leaving one
    // shows the logging window again.
    template <class Fenster> void statistikZeigen();
    void callInfo();
    void logDrucken();

    std::unique_ptr<Settings> settings_;
    SystemClock clock_;
    CupsDruckerwahl druckerwahl_;
    KeystrokeLog keystrokes_;
    ContestDat contestDat_;
    CallInfoDb callInfo_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    // Everything asks through it, so a contact from the network can be kept
    // from asking.
    std::unique_ptr<Fragensperre> fragen_;
    std::unique_ptr<CallLookup> lookup_;
    std::unique_ptr<ContestModel> model_;
    std::unique_ptr<QtPrinterSurface> drucker_;
    // The log window is made at its first use and lives in the main frame,
    // which is destroyed before the model it shows.
    std::unique_ptr<LogModel> logModel_;
    // The labels print as documents of their own, on paper sized by the label
    // stock, never into the journal's open document.
    std::unique_ptr<QtPrinterSurface> etikettenDrucker_;
    std::unique_ptr<QslModel> qsl_;
    std::unique_ptr<MainWindow> mainWindow_;
    QslWindow* qslWindow_ = nullptr; // owned by the main frame
    Stationsanschluss* station_ = nullptr; // owned by the main frame
    Digitalanschluss* digital_ = nullptr; // owned by the main frame
    Chatanschluss* chat_ = nullptr; // owned by the main frame
    QPointer<QWidget> statistik_;
    std::unique_ptr<CallInfoModel> callInfoModel_;
    CallInfoWindow* callInfoWindow_ = nullptr; // owned by the main frame's stack once shown
    std::unique_ptr<BekannteStationen> bekannteStationen_;
    // A running import stops before the main frame, its dialog's parent, goes.
    std::unique_ptr<SammelimportLauf> sammelimport_;
    LogWindow* logWindow_ = nullptr;
    // Last, so a running transfer ends before the prompter and window go.
    std::unique_ptr<CurlMailSender> mailSender_;
    std::unique_ptr<MailVersand> mailVersand_;
};

} // namespace tarvex
