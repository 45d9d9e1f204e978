#include "StationsDialog.h"

#include "Stationssteuerung.h"
#include "Verbindungsprobe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

StationsDialog::StationsDialog(const StationsEinstellungen& e, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmStation"_s);
    setWindowTitle(u"Transceiver und Rotor"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gruppe(u"Transceiver (rigctld)"_s, u"Transceiver"_s, e.transceiverEin,
        e.transceiverHost, e.transceiverPort, rig_, rigAntwort_, rigProbe_));
    rapport_ = new QCheckBox(u"RST-Vorbelegung folgt der Betriebsart (CW: 599, Sprache: 59)"_s, this);
    rapport_->setObjectName(u"chkRapportNachMode"_s);
    rapport_->setChecked(e.rapportNachMode);
    layout->addWidget(rapport_);
    layout->addWidget(gruppe(u"Rotor (rotctld)"_s, u"Rotor"_s, e.rotorEin, e.rotorHost, e.rotorPort, rotor_,
        rotorAntwort_, rotorProbe_));
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knöpfe);
}

QWidget* StationsDialog::gruppe(const QString& titel, const QString& name, bool ein, const QString& host,
    quint16 port, Zeile& zeile, QLabel*& antwort, Verbindungsprobe*& probe)
{
    auto* box = new QGroupBox(titel, this);
    auto* form = new QFormLayout(box);
    zeile.ein = new QCheckBox(u"eingeschaltet"_s, box);
    zeile.ein->setObjectName(u"chk"_s + name);
    zeile.ein->setChecked(ein);
    form->addRow(zeile.ein);
    zeile.host = new QLineEdit(host, box);
    zeile.host->setObjectName(u"txt"_s + name + u"Host"_s);
    form->addRow(u"Rechner"_s, zeile.host);
    zeile.port = new QSpinBox(box);
    zeile.port->setObjectName(u"txt"_s + name + u"Port"_s);
    zeile.port->setRange(1, 65535);
    zeile.port->setValue(port);
    form->addRow(u"Port"_s, zeile.port);
    auto* prüfen = new QPushButton(u"Verbindung prüfen"_s, box);
    prüfen->setObjectName(u"cmd"_s + name + u"Pruefen"_s);
    antwort = new QLabel(box);
    antwort->setObjectName(u"lbl"_s + name + u"Antwort"_s);
    antwort->setWordWrap(true);
    form->addRow(prüfen, antwort);
    probe = new Verbindungsprobe({}, this);
    connect(probe, &Verbindungsprobe::finished, antwort, &QLabel::setText);
    connect(prüfen, &QPushButton::clicked, this, [this, name, &zeile, antwort, probe] {
        antwort->setText(u"Verbindung wird geprüft …"_s);
        probe->prüfen(name, zeile.host->text().trimmed(), static_cast<quint16>(zeile.port->value()));
    });
    return box;
}

StationsEinstellungen StationsDialog::einstellungen() const
{
    StationsEinstellungen e;
    e.rotorEin = rotor_.ein->isChecked();
    e.rotorHost = rotor_.host->text().trimmed().isEmpty() ? e.rotorHost : rotor_.host->text().trimmed();
    e.rotorPort = static_cast<quint16>(rotor_.port->value());
    e.transceiverEin = rig_.ein->isChecked();
    e.transceiverHost
        = rig_.host->text().trimmed().isEmpty() ? e.transceiverHost : rig_.host->text().trimmed();
    e.transceiverPort = static_cast<quint16>(rig_.port->value());
    e.rapportNachMode = rapport_->isChecked();
    return e;
}

void StationsDialog::ausführen(QWidget* parent, Stationssteuerung& station)
{
    StationsDialog dialog(station.einstellungen(), parent);
    if (dialog.exec() == QDialog::Accepted)
        station.übernehmen(dialog.einstellungen());
}

} // namespace tarvex
