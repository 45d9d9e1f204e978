#pragma once
#include <QHash>
#include <QWidget>
#include <functional>

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

class ContestModel;
class EditPanelWidget;
class InputLineEdit;
class LogGrid;
class Prompter;

// frmContest: shows the logging model and forwards keys, clicks and menu
// commands to it. Holds no rule of its own.
class ContestWindow : public QWidget {
    Q_OBJECT
public:
    ContestWindow(ContestModel& model, Prompter& prompter, QWidget* parent = nullptr);

    // The menu bar's menus and their actions (some shared with the toolbar).
    void baueMenüs(QMenuBar* bar);
    QAction* befehl(const QString& name) const { return befehle_.value(name); }

    // Every time the window becomes the working window.
    void aktivieren();
    void zeigeInfo();

    InputLineEdit* eingabe() const { return txtInput_; }
    LogGrid* grid() const { return grid_; }
    QLabel* label(const QString& name) const;
    QLineEdit* anzeige(const QString& name) const;
    QComboBox* locatorListe() const { return cboLocator_; }
    QListWidget* länderListe() const { return dbList1_; }
    EditPanelWidget* bearbeitenPanel() const { return fraUpdate_; }

signals:
    void statusMessage(const QString& text);
    void newContestRequested(bool modal);
    void quitRequested();
    void helpRequested();
    void copyrightRequested();
    void lastInputsRequested();

private slots:
    void refresh();
    void focusInput();
    void showCountryList();
    void scrollLogToEnd();

private:
    QLineEdit* neueAnzeige(const QString& name, int breiteZeichen);
    QLabel* neuesLabel(const QString& name, const QString& text = {});
    QAction* neuerBefehl(const QString& name, const QString& text, const QKeySequence& taste = {});
    QActionGroup* optionsGruppe(QMenu* menu, const QString& name, const QStringList& texte, int aktiv,
                                const std::function<void(int)>& wählen);
    void bearbeiten();
    void zeigeUntenGrid();

    ContestModel& model_;
    Prompter& prompter_;
    QHash<QString, QAction*> befehle_;
    QHash<QString, QActionGroup*> gruppen_;
    QHash<QString, QWidget*> felder_;
    InputLineEdit* txtInput_ = nullptr;
    LogGrid* grid_ = nullptr;
    QComboBox* cboLocator_ = nullptr;
    QCheckBox* chkQSL_ = nullptr;
    QWidget* frame1_ = nullptr;
    QStackedWidget* unten_ = nullptr;
    QWidget* fraLänder_ = nullptr;
    QListWidget* dbList1_ = nullptr;
    EditPanelWidget* fraUpdate_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace tarvex
