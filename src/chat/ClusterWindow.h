#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QTableView;

namespace tarvex {

class ClusterModel;

// "DX-Cluster": the spots of the current band, newest first, and below them
// what else the cluster says. Enter or a double click on a spot asks for the
// station (and a locator from the comment) in the input line.
class ClusterWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClusterWindow(ClusterModel& model, QWidget* parent = nullptr);

    QTableView* spots() const { return spots_; }

signals:
    void takeOver(const QString& call, const QString& locator);

private:
    void übernehmen(int zeile);

    ClusterModel& model_;
    QLabel* status_;
    QTableView* spots_;
    QListView* verlauf_;
    QLineEdit* senden_;
};

} // namespace tarvex
