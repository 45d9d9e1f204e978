#include "DigitalDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

DigitalDialog::DigitalDialog(const DigitalEinstellungen& e, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmDigital"_s);
    setWindowTitle(u"Digitale Betriebsarten"_s);
    auto* layout = new QVBoxLayout(this);
    auto* erklärung = new QLabel(u"Verbindungen aus WSJT-X (FT8, FT4, MSK144 …) über dessen UDP-Server "
                                 u"ins Log übernehmen."_s,
        this);
    erklärung->setWordWrap(true);
    layout->addWidget(erklärung);
    auto* form = new QFormLayout;
    ein_ = new QCheckBox(u"&Empfang eingeschaltet"_s, this);
    ein_->setObjectName(u"chkDigital"_s);
    ein_->setChecked(e.ein);
    form->addRow(ein_);
    port_ = new QSpinBox(this);
    port_->setObjectName(u"txtDigitalPort"_s);
    port_->setRange(1, 65535);
    port_->setValue(e.port);
    form->addRow(u"UDP-&Port"_s, port_);
    gruppe_ = new QLineEdit(e.gruppe, this);
    gruppe_->setObjectName(u"txtDigitalGruppe"_s);
    gruppe_->setPlaceholderText(u"leer: kein Multicast, z. B. 239.255.0.1"_s);
    form->addRow(u"&Multicast-Gruppe"_s, gruppe_);
    layout->addLayout(form);
    fehler_ = new QLabel(this);
    fehler_->setObjectName(u"lblDigitalFehler"_s);
    fehler_->setWordWrap(true);
    layout->addWidget(fehler_);
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &DigitalDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knöpfe);
}

DigitalEinstellungen DigitalDialog::einstellungen() const
{
    DigitalEinstellungen e;
    e.ein = ein_->isChecked();
    e.port = static_cast<quint16>(port_->value());
    e.gruppe = gruppe_->text().trimmed();
    return e;
}

void DigitalDialog::accept()
{
    if (const QString f = einstellungen().fehler(); !f.isEmpty()) {
        fehler_->setText(f);
        gruppe_->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<DigitalEinstellungen> DigitalDialog::ausführen(QWidget* parent, const DigitalEinstellungen& e)
{
    DigitalDialog dialog(e, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.einstellungen();
}

} // namespace tarvex
