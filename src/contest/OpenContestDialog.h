#pragma once
#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

namespace tarvex {

class ContestModel;
class Prompter;

// The open dialog ("Contest öffnen"): the desktop's file dialog, limited to
// contest files, that remembers its directory while the program runs.
class OpenContestDialog {
public:
    // Asks for a contest file and makes it the current contest; true when one was opened.
    static bool ausführen(QWidget* parent, ContestModel& model, Prompter& prompter);

    // The dialog, showing "*.mdb" in any letter case in the given directory.
    static std::unique_ptr<QFileDialog> erzeugen(QWidget* parent, const QString& verzeichnis);
};

} // namespace tarvex
