#include "Application.h"
#include "commands/Befehl.h"

#include "Automation.h"
#include "Bilder.h"
#include "Chatanschluss.h"
#include "CopyrightDialog.h"
#include "Digitalanschluss.h"
#include "DruckerwahlDialog.h"
#include "HelpWindow.h"
#include "Kartensteuerung.h"
#include "KeystrokeLogDialog.h"
#include "MainWindow.h"
#include "MessageBoxPrompter.h"
#include "Stationsanschluss.h"
#include "callinfo/BekannteStationen.h"
#include "callinfo/CallInfoModel.h"
#include "callinfo/CallInfoWindow.h"
#include "callinfo/SammelimportLauf.h"
#include "common/UserError.h"
#include "contest/BandwahlDialog.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "contest/DeleteContestDialog.h"
#include "contest/InputLineEdit.h"
#include "contest/NewContestDialog.h"
#include "contest/OpenContestDialog.h"
#include "logout/EdiExport.h"
#include "logout/ImportWindow.h"
#include "logout/LogModel.h"
#include "logout/LogWindow.h"
#include "mail/CurlMailSender.h"
#include "mail/MailEinstellungenDialog.h"
#include "mail/MailVersand.h"
#include "print/QtPrinterSurface.h"
#include "qsl/QslModel.h"
#include "qsl/QslWindow.h"
#include "stats/StatistikGrafikWindow.h"
#include "stats/StatistikWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSplashScreen>
#include <QTimer>

namespace tarvex {

using namespace Qt::StringLiterals;

Application::Application(std::unique_ptr<Settings> settings)
    : settings_(std::move(settings))
    , keystrokes_(KeystrokeLog::standardPfad())
    , prompter_(std::make_unique<MessageBoxPrompter>())
    , fragen_(std::make_unique<Fragensperre>(*prompter_))
{
    lookup_ = std::make_unique<CallLookup>(contestDat_, callInfo_, *fragen_);
    model_ = std::make_unique<ContestModel>(*fragen_, clock_, keystrokes_, *lookup_, *settings_);
    DruckerwahlDialog::einstellungLaden(*settings_, druckerwahl_);
    drucker_ = std::make_unique<QtPrinterSurface>(*fragen_, clock_, druckerwahl_);
    model_->setJournalDrucker(drucker_.get());
    mainWindow_ = std::make_unique<MainWindow>(*model_, *fragen_);
    prompter_->setParent(mainWindow_.get());

    Befehle& befehle = mainWindow_->befehle();
    QWidget* rahmen = mainWindow_.get();
    befehle.ausführen(Befehl::Neu, this, [this] { neuerContest(true); });
    connect(
        mainWindow_->contestWindow(), &ContestWindow::newContestRequested, this, &Application::neuerContest);
    befehle.ausführen(
        Befehl::Öffnen, this, [this, rahmen] { OpenContestDialog::ausführen(rahmen, *model_, *fragen_); });
    befehle.ausführen(Befehl::ContestLöschen, this,
        [this, rahmen] { DeleteContestDialog::ausführen(rahmen, *model_, *fragen_); });
    station_ = new Stationsanschluss(*mainWindow_, *model_, *settings_, *fragen_);
    digital_ = new Digitalanschluss(*mainWindow_, *model_, *settings_, *fragen_);
    chat_ = new Chatanschluss(*mainWindow_, *model_, *settings_);
    befehle.ausführen(Befehl::Bandwechseln, this, [this, rahmen] {
        BandwahlDialog::ausführen(rahmen, *model_, *fragen_, station_->steuerung().transceiverBand());
    });
    befehle.ausführen(Befehl::LetzteEingaben, this, [this] { letzteEingaben(); });
    befehle.ausführen(Befehl::Log, this, [this] { logDrucken(); });
    befehle.ausführen(Befehl::QSL, this, [this] { qslZeigen(); });
    befehle.ausführen(Befehl::Copyright, this, [this] { copyright(); });
    befehle.ausführen(Befehl::DruckerWählen, this,
        [this, rahmen] { DruckerwahlDialog::ausführen(rahmen, *settings_, druckerwahl_); });
    befehle.ausführen(Befehl::Anleitung, this, [this] { hilfe(); });
    befehle.ausführen(Befehl::Tabellen, this, [this] { statistikZeigen<StatistikWindow>(); });
    befehle.ausführen(Befehl::Grafiken, this, [this] { statistikZeigen<StatistikGrafikWindow>(); });

    callInfoModel_ = std::make_unique<CallInfoModel>(*model_, callInfo_, *fragen_);
    connect(callInfoModel_.get(), &CallInfoModel::verlassen, this, [this] {
        mainWindow_->zeige(mainWindow_->contestWindow());
        mainWindow_->contestWindow()->aktivieren();
    });
    befehle.ausführen(Befehl::CallInfo, this, [this] { callInfo(); });
    bekannteStationen_ = std::make_unique<BekannteStationen>(*model_, contestDat_, *fragen_);
    befehle.ausführen(
        Befehl::BekannteStationenÜbernehmen, this, [this] { bekannteStationen_->ausContestÜbernehmen(); });
    sammelimport_ = std::make_unique<SammelimportLauf>(*model_, contestDat_, *fragen_, mainWindow_.get());
    befehle.ausführen(Befehl::BekannteStationenImportieren, this, [this] { sammelimport_->starten(); });
    befehle.ausführen(
        Befehl::BekannteStationenHinzufügen, this, [this] { bekannteStationen_->importieren(); });
    befehle.ausführen(Befehl::EdiAlleBänder, this, [this] { EdiExport::alleBänder(*model_, *fragen_); });
    new Kartensteuerung(*mainWindow_, *model_, contestDat_, *fragen_); // owned by the main frame

    mailSender_ = std::make_unique<CurlMailSender>();
    mailVersand_ = std::make_unique<MailVersand>(*settings_, *mailSender_, *fragen_, clock_);
    befehle.ausführen(
        Befehl::Import, this, [this, rahmen] { ImportWindow::ausführen(rahmen, *model_, *fragen_); });
    befehle.ausführen(Befehl::EMailEinstellungen, this,
        [this, rahmen] { MailEinstellungenDialog::ausführen(rahmen, *settings_, *fragen_); });
    befehle.ausführen(Befehl::PostausgangSenden, this, [this] { mailVersand_->postausgangSenden(); });

    connect(model_.get(), &ContestModel::titleChanged, mainWindow_.get(),
        [this] { mainWindow_->setWindowTitle(model_->fenstertitel()); });
}

Application::~Application()
{
    // The journal's open document goes to the printer while a failure can
    // still be told with the main frame as the message's parent.
    drucker_->dokumentEnde();
    // The window lives in the main frame's stack but uses the model: it goes first.
    delete callInfoWindow_;
}

void Application::starten(int splashMillisekunden)
{
    std::unique_ptr<QSplashScreen> splash;
    if (splashMillisekunden > 0) {
        splash = std::make_unique<QSplashScreen>(startbild());
        splash->show();
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < splashMillisekunden)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const bool infoFällig = model_->laden();
    // Other programs see the logging window only once it holds the loaded state.
    station_->starten();
    digital_->starten();
    automationAnmelden(*model_, &station_->steuerung());
    mainWindow_->setWindowTitle(model_->fenstertitel());
    mainWindow_->show();
    if (splash)
        splash->finish(mainWindow_.get());
    // Once the window is up: the information box, then the activation (which
    // offers a new contest when there is none).
    QTimer::singleShot(0, this, [this, infoFällig] {
        if (infoFällig)
            mainWindow_->contestWindow()->zeigeInfo();
        mainWindow_->contestWindow()->aktivieren();
        // Mail left over from an earlier run goes out in the background.
        mailVersand_->beimStartSenden();
        // Opened and checked now rather than at the operator's first key; a missing or
        // damaged file is still told by the first look-up, as it remembers the damage.
        QTimer::singleShot(0, this, [this] {
            try {
                contestDat_.connection();
            } catch (const UserError&) {
            }
            try {
                callInfo_.connection();
            } catch (const UserError&) {
            }
        });
    });
}

void Application::neuerContest(bool modal)
{
    const QDate heute = QDate::currentDate();
    ContestWindow* w = mainWindow_->contestWindow();
    if (modal) {
        if (NewContestDialog::ausführen(mainWindow_.get(), *model_, *fragen_, heute))
            w->aktivieren();
        return;
    }
    NewContestDialog* dialog = NewContestDialog::anbieten(mainWindow_.get(), *model_, *fragen_, heute);
    connect(dialog, &NewContestDialog::created, w, &ContestWindow::aktivieren, Qt::UniqueConnection);
}

template <class Fenster> void Application::statistikZeigen()
{
    if (!model_->hatContest())
        return;
    if (statistik_)
        statistik_->deleteLater();
    auto* fenster = new Fenster(*model_, *fragen_);
    statistik_ = fenster;
    connect(fenster, &Fenster::backRequested, this, [this, fenster] {
        ContestWindow* log = mainWindow_->contestWindow();
        mainWindow_->zeige(log);
        log->aktivieren();
        fenster->deleteLater();
    });
    mainWindow_->zeige(fenster);
    fenster->setFocus();
}

void Application::hilfe()
{
    HelpWindow::zeigen(mainWindow_.get());
}

void Application::copyright()
{
    CopyrightDialog::zeigen(mainWindow_.get());
}

void Application::qslZeigen()
{
    if (!qslWindow_) {
        etikettenDrucker_ = std::make_unique<QtPrinterSurface>(*fragen_, clock_, druckerwahl_);
        qsl_ = std::make_unique<QslModel>(*model_, *settings_, *etikettenDrucker_, *fragen_);
        qslWindow_ = new QslWindow(*qsl_, *fragen_, clock_, druckerwahl_);
        connect(qslWindow_, &QslWindow::back, this, &Application::zurLogEingabe);
    }
    mainWindow_->zeige(qslWindow_);
}

void Application::zurLogEingabe()
{
    mainWindow_->zeige(mainWindow_->contestWindow());
    mainWindow_->contestWindow()->aktivieren();
}

void Application::letzteEingaben()
{
    KeystrokeLogDialog::zeigen(mainWindow_.get(), keystrokes_);
}

void Application::callInfo()
{
    if (!callInfoWindow_)
        callInfoWindow_ = new CallInfoWindow(*callInfoModel_);
    mainWindow_->zeige(callInfoWindow_);
    callInfoWindow_->aktivieren();
}

void Application::logDrucken()
{
    if (!model_->hatContest()) {
        prompter_->zeige(hinweisMeldung(u"Es ist kein Contest geöffnet."_s));
        return;
    }
    if (!logWindow_) {
        logModel_ = std::make_unique<LogModel>(*model_, *fragen_, clock_, mailVersand_.get());
        logWindow_ = new LogWindow(*logModel_, *fragen_, *drucker_, druckerwahl_);
        connect(logWindow_, &LogWindow::backRequested, this, [this] {
            mainWindow_->zeige(mainWindow_->contestWindow());
            mainWindow_->contestWindow()->aktivieren();
        });
    }
    mainWindow_->zeige(logWindow_);
}

} // namespace tarvex
