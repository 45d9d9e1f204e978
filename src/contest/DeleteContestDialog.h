#pragma once
#include <QDialog>

class QListWidget;

namespace tarvex {

class ContestLöschen;
class ContestModel;
class Prompter;

// "Contest löschen": the contest files of the working directory; OK or a double
// click deletes the selected one (after the refusal or the question), and the
// form closes in every case.
class DeleteContestDialog : public QDialog {
    Q_OBJECT
public:
    DeleteContestDialog(ContestLöschen& löschen, QWidget* parent = nullptr);

    // Shows the form modally for the model's open contest.
    static void ausführen(QWidget* parent, ContestModel& model, Prompter& prompter);

private:
    void ok();

    ContestLöschen& löschen_;
    QListWidget* liste_;
};

} // namespace tarvex
