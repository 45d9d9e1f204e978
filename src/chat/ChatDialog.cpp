#include "ChatDialog.h"

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

QSpinBox* zahl(QWidget* parent, int von, int bis, int wert, const QString& name)
{
    auto* s = new QSpinBox(parent);
    s->setRange(von, bis);
    s->setValue(wert);
    s->setObjectName(name);
    return s;
}

QLineEdit* feld(QWidget* parent, const QString& wert, const QString& name)
{
    auto* e = new QLineEdit(wert, parent);
    e->setObjectName(name);
    return e;
}

} // namespace

ChatDialog::ChatDialog(const ChatEinstellungen& e, QWidget* parent)
    : QDialog(parent)
    , server_(feld(this, e.chatServer, u"txtServer"_s))
    , port_(zahl(this, 1, 65535, e.chatPort, u"txtPort"_s))
    , raum_(zahl(this, 1, 99, e.raum, u"txtRaum"_s))
    , call_(feld(this, e.chatCall, u"txtRufzeichen"_s))
    , passwort_(feld(this, e.passwort, u"txtPasswort"_s))
    , clusterServer_(feld(this, e.clusterServer, u"txtClusterServer"_s))
    , clusterPort_(zahl(this, 1, 65535, e.clusterPort, u"txtClusterPort"_s))
    , clusterCall_(feld(this, e.clusterCall, u"txtClusterRufzeichen"_s))
{
    setObjectName(u"frmChatEinstellungen"_s);
    setWindowTitle(u"Chat und Cluster einstellen"_s);
    passwort_->setEchoMode(QLineEdit::Password);
    call_->setPlaceholderText(u"eigenes Rufzeichen des Contests"_s);
    clusterCall_->setPlaceholderText(u"eigenes Rufzeichen des Contests"_s);

    auto* form = new QFormLayout;
    form->addRow(new QLabel(u"<b>KST-Chat</b>"_s, this));
    form->addRow(u"&Server:"_s, server_);
    form->addRow(u"&Port:"_s, port_);
    form->addRow(u"&Raum (2 = 144/432 MHz):"_s, raum_);
    form->addRow(u"R&ufzeichen:"_s, call_);
    form->addRow(u"Pass&wort:"_s, passwort_);
    form->addRow(new QLabel(u"<b>DX-Cluster</b>"_s, this));
    form->addRow(u"Cluster-S&erver:"_s, clusterServer_);
    form->addRow(u"Cluster-P&ort:"_s, clusterPort_);
    form->addRow(u"Cluster-Rufzei&chen:"_s, clusterCall_);

    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Ok)->setText(u"OK"_s);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        u"Das Passwort steht in der Einstellungsdatei, die nur Ihr Benutzerkonto lesen kann."_s, this));
    layout->addWidget(knöpfe);
}

ChatEinstellungen ChatDialog::einstellungen() const
{
    ChatEinstellungen e;
    e.chatServer = server_->text().trimmed();
    e.chatPort = static_cast<quint16>(port_->value());
    e.raum = raum_->value();
    e.chatCall = call_->text().trimmed().toUpper();
    e.passwort = passwort_->text();
    e.clusterServer = clusterServer_->text().trimmed();
    e.clusterPort = static_cast<quint16>(clusterPort_->value());
    e.clusterCall = clusterCall_->text().trimmed().toUpper();
    return e;
}

std::optional<ChatEinstellungen> ChatDialog::ausführen(QWidget* parent, const ChatEinstellungen& e)
{
    ChatDialog d(e, parent);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.einstellungen();
}

} // namespace tarvex
