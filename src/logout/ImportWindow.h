#pragma once
#include <QDialog>

class QListWidget;

namespace tarvex {

class OffenerContest;
class ImportModel;
class Prompter;

// frmImport, "EXP-Datei importieren": the EXP files of the working directory
// (File1), "importieren" and "abbrechen". A double click or Enter imports the file.
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    ImportWindow(ImportModel& model, QWidget* parent = nullptr);

    // Shows the window modally over the open contest. Returns true when
    // contacts were imported.
    static bool ausführen(QWidget* parent, OffenerContest& contest, Prompter& prompter);

private:
    void importieren();

    ImportModel& model_;
    QListWidget* File1_;
};

} // namespace tarvex
