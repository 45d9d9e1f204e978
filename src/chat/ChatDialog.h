#pragma once
#include "ChatEinstellungen.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QSpinBox;

namespace tarvex {

// "Chat und Cluster einstellen": the chat's server, port, room, call and
// password, the cluster's server, port and call.
class ChatDialog : public QDialog {
    Q_OBJECT
public:
    ChatDialog(const ChatEinstellungen& e, QWidget* parent = nullptr);
    ChatEinstellungen einstellungen() const;

    // The settings as accepted, or nothing after "Abbrechen".
    static std::optional<ChatEinstellungen> ausführen(QWidget* parent, const ChatEinstellungen& e);

private:
    QLineEdit* server_;
    QSpinBox* port_;
    QSpinBox* raum_;
    QLineEdit* call_;
    QLineEdit* passwort_;
    QLineEdit* clusterServer_;
    QSpinBox* clusterPort_;
    QLineEdit* clusterCall_;
};

} // namespace tarvex
