#include "MainWindow.h"
#include "commands/Befehl.h"
#include "commands/Hauptmenue.h"

#include "Bilder.h"
#include "common/Prompter.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <optional>

namespace tarvex {

using namespace Qt::StringLiterals;

// 12000 × 9000 twips at 15 twips per pixel.
constexpr QSize kFenstergröße { 800, 600 };

MainWindow::MainWindow(ContestModel& model, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent)
    , model_(model)
    , prompter_(prompter)
{
    setObjectName(u"mdiContest"_s);
    setWindowTitle(u"Tarvex V3.0"_s);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    arbeitsfläche_ = new QStackedWidget(this);
    setCentralWidget(arbeitsfläche_);
    // A working window with a menu of its own replaces the frame's menus while it is shown.
    connect(arbeitsfläche_, &QStackedWidget::currentChanged, this, [this] {
        QWidget* w = arbeitsfläche_->currentWidget();
        menuBar()->setVisible(w == nullptr || w->findChild<QMenuBar*>() == nullptr);
    });

    contestWindow_ = new ContestWindow(model_, prompter_, befehle_, arbeitsfläche_);
    arbeitsfläche_->addWidget(contestWindow_);
    Hauptmenü::bauen(menuBar(), befehle_);
    contestWindow_->befehleVerbinden();

    // A permanent label: menu hovers and other temporary messages cannot wipe it.
    statusBar()->setObjectName(u"StatusBar1"_s);
    statusText_ = new QLabel(u"Bereit"_s, statusBar());
    statusText_->setObjectName(u"StatusBar1Text"_s);
    statusBar()->addPermanentWidget(statusText_, 1);
    connect(contestWindow_, &ContestWindow::statusMessage, statusText_, &QLabel::setText);
    connect(contestWindow_, &ContestWindow::quitRequested, this, [this] {
        if (beendenFragen())
            close();
    });

    baueToolbar();
    festeGröße();
}

void MainWindow::baueToolbar()
{
    QToolBar* toolbar = addToolBar(u"Werkzeuge"_s);
    toolbar->setObjectName(u"Toolbar1"_s);
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));

    const struct {
        const char16_t* key;
        const char16_t* tooltip;
        std::optional<Befehl> befehl; // menu command it shares
    } knöpfe[] = {
        { u"Eingaben", u"Kontest Eingaben", std::nullopt },
        { u"Neu", u"Neuer Kontest", Befehl::Neu },
        { u"Öffnen", u"Kontest öffnen", Befehl::Öffnen },
        { u"Löschen", u"Kontest löschen", Befehl::ContestLöschen },
        { u"Drucken", u"Log drucken", Befehl::Log },
        { u"QSL", u"QSL-Aufkleber drucken", Befehl::QSL },
        { u"Statistiken", u"Statistiken (Grafiken)", Befehl::Grafiken },
        { u"Tabellen", u"Statistiken (Tabellen)", Befehl::Tabellen },
        { u"Karte", u"Karte zeigen", Befehl::Karte },
        { u"Bandwahl", u"Band auswählen", Befehl::Bandwechseln },
        { u"Antenne", u"Antenne drehen (F5)", Befehl::AntenneDrehen },
        { u"Chat", u"KST-Chat (Strg+J)", Befehl::KstChat },
    };
    for (const auto& k : knöpfe) {
        const QString key = QString::fromUtf16(k.key);
        auto* action = new QAction(toolbarIcon(key), key, toolbar);
        action->setObjectName(u"Toolbar1_"_s + key);
        action->setToolTip(QString::fromUtf16(k.tooltip));
        if (!k.befehl) {
            connect(action, &QAction::triggered, this, [this] {
                zeige(contestWindow_);
                contestWindow_->aktivieren();
            });
        } else {
            // Same command as the menu item: follows its enabled state.
            QAction* befehl = &befehle_[*k.befehl];
            action->setEnabled(befehl->isEnabled());
            connect(befehl, &QAction::changed, action,
                [action, befehl] { action->setEnabled(befehl->isEnabled()); });
            connect(action, &QAction::triggered, befehl, &QAction::trigger);
        }
        toolbar->addAction(action);
    }
}

QString MainWindow::statusText() const
{
    return statusText_->text();
}

void MainWindow::zeige(QWidget* fenster)
{
    if (arbeitsfläche_->indexOf(fenster) < 0)
        arbeitsfläche_->addWidget(fenster);
    arbeitsfläche_->setCurrentWidget(fenster);
}

bool MainWindow::beendenFragen()
{
    const Meldung frage { u"Programm beenden"_s, u"Tarvex"_s, Meldung::Symbol::Frage, Meldung::Knöpfe::JaNein,
        Meldung::Antwort::Nein };
    beenden_ = prompter_.zeige(frage) == Meldung::Antwort::Ja;
    return beenden_;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (beenden_ || beendenFragen()) {
        event->accept();
        return;
    }
    event->ignore();
}

void MainWindow::festeGröße()
{
    setFixedSize(kFenstergröße);
    move(0, 0);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMaximized()) {
        // The frame keeps its size and place; only minimizing is allowed.
        QTimer::singleShot(0, this, [this] {
            showNormal();
            festeGröße();
        });
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    festeGröße();
}

} // namespace tarvex
