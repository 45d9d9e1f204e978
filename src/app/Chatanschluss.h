#pragma once
#include "chat/ChatModel.h"
#include "chat/ClusterModel.h"

#include <QObject>
#include <QPointer>

namespace tarvex {

class ChatWindow;
class ClusterWindow;
class ContestModel;
class MainWindow;
class Settings;

// Wires the KST chat and the DX cluster into the main frame: the commands of
// the "Spezial" menu and the toolbar, the two windows beside the logging
// window, and a station taken from either into the input line. Owned by the
// main frame; the sessions run while the program does.
class Chatanschluss : public QObject {
    Q_OBJECT
public:
    Chatanschluss(MainWindow& rahmen, ContestModel& contest, Settings& settings);
    ~Chatanschluss() override;

    ChatModel& chat() { return chat_; }
    ClusterModel& cluster() { return cluster_; }

private:
    void chatZeigen();
    void clusterZeigen();
    void übernehmen(const QString& call, const QString& locator);
    void daneben(QWidget* fenster, int stufe);

    MainWindow& rahmen_;
    Settings& settings_;
    ChatModel chat_;
    ClusterModel cluster_;
    QPointer<ChatWindow> chatFenster_;
    QPointer<ClusterWindow> clusterFenster_;
};

} // namespace tarvex
