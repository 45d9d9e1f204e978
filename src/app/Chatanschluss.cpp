#include "Chatanschluss.h"

#include "MainWindow.h"
#include "chat/ChatDialog.h"
#include "chat/ChatWindow.h"
#include "chat/ClusterWindow.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "contest/InputLineEdit.h"

#include <QApplication>
#include <QScreen>
#include <QTableView>

namespace tarvex {

using namespace Qt::StringLiterals;

Chatanschluss::Chatanschluss(MainWindow& rahmen, ContestModel& contest, Settings& settings)
    : QObject(&rahmen)
    , rahmen_(rahmen)
    , settings_(settings)
    , chat_(contest)
    , cluster_(contest)
{
    // A message to the operator asks for attention the desktop's way, never with a box.
    connect(&chat_, &ChatModel::mentioned, this, [this] {
        if (!chatFenster_.isNull())
            QApplication::alert(chatFenster_);
    });
    Befehle& befehle = rahmen_.befehle();
    befehle.ausführen(Befehl::KstChat, this, [this] { chatZeigen(); });
    befehle.ausführen(Befehl::DxCluster, this, [this] { clusterZeigen(); });
    befehle.ausführen(Befehl::ChatEinstellen, this, [this] {
        const ChatEinstellungen alt = ChatEinstellungen::laden(settings_);
        const std::optional<ChatEinstellungen> e = ChatDialog::ausführen(&rahmen_, alt);
        if (!e || *e == alt)
            return;
        e->speichern(settings_);
        // A session that runs signs on again with what was set.
        if (chat_.verbindung().zustand() != TelnetVerbindung::Zustand::Aus)
            chat_.verbinden();
        if (cluster_.verbindung().zustand() != TelnetVerbindung::Zustand::Aus)
            cluster_.verbinden();
    });
}

Chatanschluss::~Chatanschluss()
{
    delete chatFenster_;
    delete clusterFenster_;
}

void Chatanschluss::chatZeigen()
{
    if (chatFenster_.isNull()) {
        chatFenster_ = new ChatWindow(chat_, &rahmen_);
        connect(chatFenster_, &ChatWindow::takeOver, this, &Chatanschluss::übernehmen);
        daneben(chatFenster_, 0);
    }
    if (const auto z = chat_.verbindung().zustand();
        z == TelnetVerbindung::Zustand::Aus || z == TelnetVerbindung::Zustand::Aufgegeben)
        chat_.verbinden();
    chatFenster_->show();
    chatFenster_->raise();
    chatFenster_->activateWindow();
    chatFenster_->nutzer()->setFocus();
}

void Chatanschluss::clusterZeigen()
{
    if (clusterFenster_.isNull()) {
        clusterFenster_ = new ClusterWindow(cluster_, &rahmen_);
        connect(clusterFenster_, &ClusterWindow::takeOver, this, &Chatanschluss::übernehmen);
        daneben(clusterFenster_, 1);
    }
    if (const auto z = cluster_.verbindung().zustand();
        z == TelnetVerbindung::Zustand::Aus || z == TelnetVerbindung::Zustand::Aufgegeben)
        cluster_.verbinden();
    clusterFenster_->show();
    clusterFenster_->raise();
    clusterFenster_->activateWindow();
    clusterFenster_->spots()->setFocus();
}

void Chatanschluss::übernehmen(const QString& call, const QString& locator)
{
    // The station goes into the input line as the operator would type it;
    // Enter there takes it into the contact, nothing is stored behind his back.
    rahmen_.activateWindow();
    rahmen_.raise();
    rahmen_.contestWindow()->aktivieren();
    InputLineEdit* zeile = rahmen_.contestWindow()->eingabe();
    zeile->setText(locator.isEmpty() ? call : call + u' ' + locator);
    zeile->setFocus();
    zeile->end(false);
}

void Chatanschluss::daneben(QWidget* fenster, int stufe)
{
    // Right of the logging window, the cluster below the chat, as wide as the
    // screen leaves; below the logging window when there is no room beside it.
    // Never over the input line.
    const QRect r = rahmen_.frameGeometry();
    const QRect schirm = rahmen_.screen()->availableGeometry();
    const int rand = fenster->frameGeometry().width() - fenster->width();
    const int titel = fenster->frameGeometry().height() - fenster->height();
    constexpr int kSchmalste = 420;
    const int daneben = schirm.right() - r.right() - rand;
    if (daneben >= kSchmalste) {
        const int höhe = std::min(fenster->height(), schirm.height() / 2 - titel);
        fenster->resize(std::min(fenster->width(), daneben), höhe);
        fenster->move(r.right() + 1, schirm.top() + stufe * (höhe + titel));
        return;
    }
    const int darunter = schirm.bottom() - r.bottom() - titel;
    const int höhe = std::max(200, std::min(fenster->height(), darunter / 2));
    fenster->resize(std::min(fenster->width(), schirm.width() - rand), höhe);
    fenster->move(schirm.left(), std::min(r.bottom() + 1 + stufe * (höhe + titel), schirm.bottom() - höhe));
}

} // namespace tarvex
