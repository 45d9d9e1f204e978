#pragma once
#include "commands/Befehle.h"

#include <QList>
#include <QMainWindow>

class QLabel;
class QStackedWidget;

namespace tarvex {

class ContestModel;
class ContestWindow;
class Prompter;

// mdiContest: the frame around the working windows, one of which is visible at a
// time; toolbar, status bar, the fixed size and the quit question.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ContestModel& model, Prompter& prompter, QWidget* parent = nullptr);

    ContestWindow* contestWindow() const { return contestWindow_; }
    // The status bar's text ("Bereit", "Tabelle verlassen mit Esc").
    QString statusText() const;
    Befehle& befehle() { return befehle_; }
    // Asks "Programm beenden"; true when the operator said Yes.
    bool beendenFragen();
    // Shows a working window and hides the others; takes it in on first use.
    void zeige(QWidget* fenster);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void baueToolbar();
    void festeGröße();

    ContestModel& model_;
    Prompter& prompter_;
    Befehle befehle_;
    QStackedWidget* arbeitsfläche_ = nullptr;
    ContestWindow* contestWindow_ = nullptr;
    QLabel* statusText_ = nullptr;
    // Menu-bar entries of working windows other than the logging window.
    bool beenden_ = false;
};

} // namespace tarvex
