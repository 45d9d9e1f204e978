#pragma once
#include <QHash>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QTimer;

namespace tarvex {

enum class Befehl : int;
class Befehle;
class ContestModel;
class BearbeitenWidget;
class InputLineEdit;
class LogGrid;
class Prompter;

// frmContest: shows the logging model and forwards keys, clicks and menu
// commands to it. Holds no rule of its own.
class ContestWindow : public QWidget {
    Q_OBJECT
public:
    ContestWindow(ContestModel& model, Prompter& prompter, Befehle& befehle, QWidget* parent = nullptr);

    // The menu bar's menus; their actions go into the registry (the toolbar shares them).
    // Wires the commands of the logging window in the main menu (Hauptmenü builds it first).
    void befehleVerbinden();

    // Every time the window becomes the working window.
    void aktivieren();
    void zeigeInfo();

    InputLineEdit* eingabe() const { return txtInput_; }
    LogGrid* grid() const { return grid_; }
    QLabel* label(const QString& name) const;
    QLineEdit* anzeige(const QString& name) const;
    QComboBox* locatorListe() const { return cboLocator_; }
    QListWidget* länderListe() const { return dbList1_; }
    BearbeitenWidget* bearbeitenPanel() const { return fraUpdate_; }

signals:
    void statusMessage(const QString& text);
    void newContestRequested(bool modal);
    void quitRequested();

private slots:
    void refresh();
    void focusInput();
    void showCountryList();
    void scrollLogToEnd();

private:
    QLineEdit* neueAnzeige(const QString& name, int breiteZeichen);
    QLabel* neuesLabel(const QString& name, const QString& text = {});
    // One choice of an Optionen submenu: what choosing it does, and whether the model has it.
    void option(Befehl befehl, std::function<void()> wählen, std::function<bool()> gewählt);
    void bearbeiten();
    void zeigeUntenGrid();

    ContestModel& model_;
    Prompter& prompter_;
    Befehle& befehle_;
    QHash<QString, QWidget*> felder_;
    InputLineEdit* txtInput_ = nullptr;
    LogGrid* grid_ = nullptr;
    QComboBox* cboLocator_ = nullptr;
    QCheckBox* chkQSL_ = nullptr;
    QWidget* frame1_ = nullptr;
    QStackedWidget* unten_ = nullptr;
    QWidget* fraLänder_ = nullptr;
    QListWidget* dbList1_ = nullptr;
    BearbeitenWidget* fraUpdate_ = nullptr;
    QTimer* timer1_ = nullptr;
    // The ticks of the Optionen menu follow the model through these.
    std::vector<std::pair<Befehl, std::function<bool()>>> optionsHaken_;
};

} // namespace tarvex
