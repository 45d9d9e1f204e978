#pragma once
#include "NewContestModel.h"

#include <QDate>
#include <QDialog>
#include <QMap>

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tarvex {

class ContestModel;
class Feldverlassen;
class Prompter;

// The form "Neuen Contest anlegen" over NewContestModel. One instance per
// parent window: it is created on first use and afterwards shown again, so
// call, locator, band ticks and the 50 MHz option survive between uses.
class NewContestDialog : public QDialog {
    Q_OBJECT
public:
    NewContestDialog(ContestModel& contest, Prompter& prompter, QWidget* parent = nullptr);

    // File menu and toolbar: modal, name preset to the month of heute.
    // True when a contest was created (the logging model then shows it).
    static bool ausführen(QWidget* parent, ContestModel& contest, Prompter& prompter, const QDate& heute);
    // Logging window without a contest: shown without blocking; a form that is
    // already open is only raised, so a name being typed is kept. Connect to
    // created() to move the focus to the input line.
    static NewContestDialog* anbieten(
        QWidget* parent, ContestModel& contest, Prompter& prompter, const QDate& heute);

    // Presets the name and refreshes the form before it is shown.
    void vorbereiten(const QDate& heute);
    NewContestModel& model() { return model_; }

    // Esc, the close button and "Abbrechen": only while a contest is open.
    void reject() override;

signals:
    void created();

private:
    static NewContestDialog* instanz(QWidget* parent, ContestModel& contest, Prompter& prompter);
    void anzeigen();
    void ok();
    void locatorPrüfen();
    void zurückNachMeldung();

    NewContestModel model_;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtCall_ = nullptr;
    QLineEdit* txtLocator_ = nullptr;
    QMap<QString, QCheckBox*> bänder_;
    QAction* mnu50MHz_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
    Feldverlassen* locatorVerlassen_ = nullptr;
};

} // namespace tarvex
