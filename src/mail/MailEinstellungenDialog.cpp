#include "MailEinstellungenDialog.h"

#include "MailEinstellungen.h"
#include "common/Prompter.h"
#include "common/UserError.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

QLineEdit* feld(QWidget* parent, const QString& name, const QString& text, int länge)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(länge);
    edit->setMinimumWidth(260);
    return edit;
}

} // namespace

MailEinstellungenDialog::MailEinstellungenDialog(Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , prompter_(prompter)
    , gelesen_(MailEinstellungen::lesen(settings))
{
    setObjectName(u"frmEMail"_s);
    setWindowTitle(u"E-Mail-Einstellungen"_s);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    txtServer_ = feld(this, u"txtServer"_s, gelesen_.server, 100);
    txtServer_->setPlaceholderText(u"smtp.example.org"_s);
    cboVerschluesselung_ = new QComboBox(this);
    cboVerschluesselung_->setObjectName(u"cboVerschluesselung"_s);
    cboVerschluesselung_->addItems(MailEinstellungen::verschlüsselungen());
    art_ = static_cast<int>(gelesen_.verschlüsselung);
    cboVerschluesselung_->setCurrentIndex(art_);
    txtPort_ = new QSpinBox(this);
    txtPort_->setObjectName(u"txtPort"_s);
    txtPort_->setRange(1, 65535);
    txtPort_->setValue(gelesen_.port);
    txtBenutzer_ = feld(this, u"txtBenutzer"_s, gelesen_.benutzer, 100);
    txtPasswort_ = feld(this, u"txtPasswort"_s, gelesen_.passwort, 100);
    txtPasswort_->setEchoMode(QLineEdit::Password);
    txtAbsender_ = feld(this, u"txtAbsender"_s, gelesen_.absender, 100);
    txtAbsender_->setPlaceholderText(u"rufzeichen@example.org"_s);
    txtEmpfaenger_ = feld(this, u"txtEmpfaenger"_s, gelesen_.empfänger, 100);

    form->addRow(u"Mailserver (SMTP)"_s, txtServer_);
    form->addRow(u"Verschlüsselung"_s, cboVerschluesselung_);
    form->addRow(u"Port"_s, txtPort_);
    form->addRow(u"Benutzername"_s, txtBenutzer_);
    form->addRow(u"Passwort"_s, txtPasswort_);
    form->addRow(u"Absenderadresse"_s, txtAbsender_);
    form->addRow(u"Empfängeradresse (QQ9QQ)"_s, txtEmpfaenger_);

    auto* hinweis = new QLabel(u"Das Passwort wird in den Einstellungen gespeichert, die nur Ihr "
                               u"Benutzerkonto lesen kann."_s,
        this);
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto* knöpfe = new QDialogButtonBox(this);
    QPushButton* ok = knöpfe->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    QPushButton* abbrechen = knöpfe->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(u"cmdAbbrechen"_s);
    layout->addWidget(knöpfe);

    connect(ok, &QPushButton::clicked, this, &MailEinstellungenDialog::ok);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(cboVerschluesselung_, &QComboBox::currentIndexChanged, this,
        &MailEinstellungenDialog::verschlüsselungGewählt);
    txtServer_->setFocus();
}

void MailEinstellungenDialog::verschlüsselungGewählt(int index)
{
    const auto alt = static_cast<MailKonto::Verschlüsselung>(art_);
    const auto neu = static_cast<MailKonto::Verschlüsselung>(index);
    txtPort_->setValue(MailEinstellungen::portNachWechsel(alt, neu, txtPort_->value()));
    art_ = index;
}

MailKonto MailEinstellungenDialog::konto() const
{
    MailKonto k = gelesen_;
    k.server = txtServer_->text().trimmed();
    k.port = txtPort_->value();
    k.verschlüsselung = static_cast<MailKonto::Verschlüsselung>(cboVerschluesselung_->currentIndex());
    k.benutzer = txtBenutzer_->text();
    k.passwort = txtPasswort_->text();
    k.absender = txtAbsender_->text().trimmed();
    k.empfänger = txtEmpfaenger_->text().trimmed();
    return k;
}

void MailEinstellungenDialog::ok()
{
    const MailKonto k = konto();
    if (const QString fehler = MailEinstellungen::prüfen(k); !fehler.isEmpty()) {
        prompter_.zeige(fehlerMeldung(fehler));
        return;
    }
    try {
        MailEinstellungen::schreiben(settings_, k);
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return;
    }
    accept();
}

bool MailEinstellungenDialog::ausführen(QWidget* parent, Settings& settings, Prompter& prompter)
{
    MailEinstellungenDialog dialog(settings, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvex
