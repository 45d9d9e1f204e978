#include "app/Befehl.h"
#include "Application.h"

#include "Automation.h"
#include "Bilder.h"
#include "CopyrightDialog.h"
#include "HelpWindow.h"
#include "LastInputsDialog.h"
#include "MainWindow.h"
#include "MessageBoxPrompter.h"
#include "contest/ContestModel.h"
#include "contest/BandChoiceDialog.h"
#include "contest/ContestWindow.h"
#include "contest/DeleteContestDialog.h"
#include "contest/InputLineEdit.h"
#include "contest/NewContestDialog.h"
#include "contest/OpenContestDialog.h"
#include "logout/QtPrinterSurface.h"
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
{
    lookup_ = std::make_unique<CallLookup>(contestDat_, callInfo_, *prompter_);
    model_ = std::make_unique<ContestModel>(*prompter_, clock_, keystrokes_, *lookup_, *settings_);
    drucker_ = std::make_unique<QtPrinterSurface>(*prompter_, clock_);
    model_->setJournalDrucker(drucker_.get());
    mainWindow_ = std::make_unique<MainWindow>(*model_, *prompter_);
    prompter_->setParent(mainWindow_.get());

    Befehle& befehle = mainWindow_->befehle();
    QWidget* rahmen = mainWindow_.get();
    befehle.ausführen(Befehl::Neu, this, [this] { neuerContest(true); });
    connect(mainWindow_->contestWindow(), &ContestWindow::newContestRequested, this, &Application::neuerContest);
    befehle.ausführen(Befehl::Öffnen, this, [this, rahmen] { OpenContestDialog::ausführen(rahmen, *model_, *prompter_); });
    befehle.ausführen(Befehl::ContestLöschen, this,
                      [this, rahmen] { DeleteContestDialog::ausführen(rahmen, *model_, *prompter_); });
    befehle.ausführen(Befehl::Bandwechseln, this,
                      [this, rahmen] { BandChoiceDialog::ausführen(rahmen, *model_, *prompter_); });
    befehle.ausführen(Befehl::LetzteEingaben, this, [this] { letzteEingaben(); });
    befehle.ausführen(Befehl::Copyright, this, [this] { copyright(); });
    befehle.ausführen(Befehl::Anleitung, this, [this] { hilfe(); });
    befehle.ausführen(Befehl::Tabellen, this, [this] { statistikZeigen<StatistikWindow>(); });
    befehle.ausführen(Befehl::Grafiken, this, [this] { statistikZeigen<StatistikGrafikWindow>(); });

    connect(model_.get(), &ContestModel::titleChanged, mainWindow_.get(),
            [this] { mainWindow_->setWindowTitle(model_->fenstertitel()); });
}

Application::~Application() = default;

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
    automationAnmelden(*model_);
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
    });
}

void Application::neuerContest(bool modal)
{
    const QDate heute = QDate::currentDate();
    ContestWindow* w = mainWindow_->contestWindow();
    if (modal) {
        if (NewContestDialog::ausführen(mainWindow_.get(), *model_, *prompter_, heute))
            w->aktivieren();
        return;
    }
    NewContestDialog* dialog = NewContestDialog::anbieten(mainWindow_.get(), *model_, *prompter_, heute);
    connect(dialog, &NewContestDialog::created, w, &ContestWindow::aktivieren, Qt::UniqueConnection);
}

template <class Fenster>
void Application::statistikZeigen()
{
    if (!model_->hatContest())
        return;
    if (statistik_)
        statistik_->deleteLater();
    auto* fenster = new Fenster(*model_, *prompter_);
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

void Application::letzteEingaben()
{
    LastInputsDialog::zeigen(mainWindow_.get(), keystrokes_);
}

} // namespace tarvex
