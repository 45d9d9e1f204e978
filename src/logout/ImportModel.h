#pragma once
#include <QString>
#include <QStringList>

namespace tarvex {

class ExpImport;
class Prompter;

// The import window frmImport: the EXP files of the working directory
// (File1) and its two buttons.
class ImportModel {
public:
    ImportModel(ExpImport& import, Prompter& prompter);

    // Files matching "*.EXP" in any letter case, sorted by name.
    static QStringList File1();
    // "importieren" with the selected file ("" when none): returns true when the
    // window closes. Without a selection the operator is asked to choose one.
    bool importieren(const QString& ImportDatei);
    // Whether contacts were stored by this window.
    bool importiert() const { return importiert_; }

private:
    ExpImport& import_;
    Prompter& prompter_;
    bool importiert_ = false;
};

} // namespace tarvex
