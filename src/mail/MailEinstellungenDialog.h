#pragma once
#include "MailKonto.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace tarvex {

class Prompter;
class Settings;

// "E-Mail-Einstellungen" (menu "&Optionen"): server, port, encryption, sign-on
// and the two addresses for mailing the exchange file. OK checks and stores them.
class MailEinstellungenDialog : public QDialog {
    Q_OBJECT
public:
    MailEinstellungenDialog(Settings& settings, Prompter& prompter, QWidget* parent = nullptr);

    static bool ausführen(QWidget* parent, Settings& settings, Prompter& prompter);

    MailKonto konto() const;

private:
    void ok();
    void verschlüsselungGewählt(int index);

    Settings& settings_;
    Prompter& prompter_;
    MailKonto gelesen_;
    int art_ = 0;
    QLineEdit* txtServer_;
    QSpinBox* txtPort_;
    QComboBox* cboVerschluesselung_;
    QLineEdit* txtBenutzer_;
    QLineEdit* txtPasswort_;
    QLineEdit* txtAbsender_;
    QLineEdit* txtEmpfaenger_;
};

} // namespace tarvex
