#pragma once
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QTableView;

namespace tarvex {

class ChatModel;

// "KST-Chat": beside the logging window, the messages (own call highlighted),
// the user list and a line to send. Enter or a double click on a user asks
// for that station in the input line. It only shows the model and forwards.
class ChatWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChatWindow(ChatModel& model, QWidget* parent = nullptr);

    QTableView* nutzer() const { return nutzer_; }
    QLineEdit* senden() const { return senden_; }

signals:
    void takeOver(const QString& call, const QString& locator);

private:
    void übernehmen(int zeile);

    ChatModel& model_;
    QLabel* status_;
    QListView* verlauf_;
    QTableView* nutzer_;
    QComboBox* sortierung_;
    QLineEdit* senden_;
    QString gewählt_;
};

} // namespace tarvex
