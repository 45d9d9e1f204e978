#pragma once
#include "StatistikModel.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tarvex {

class OffenerContest;
class Prompter;

// frmStatistik, "Statistiken (Tabellen)": the five option buttons, the grid and
// the copy button over a StatistikModel. Built afresh at every opening; leaving
// it emits backRequested and the frame shows the logging window again.
class StatistikWindow : public QWidget {
    Q_OBJECT
public:
    StatistikWindow(OffenerContest& contest, Prompter& prompter, QWidget* parent = nullptr);

    StatistikModel& model() { return model_; }
    QRadioButton* knopf(StatistikModel::Option option) const;
    // Column widths of the grid.
    void justieren();

signals:
    void backRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void kopieren();

    StatistikModel model_;
    std::array<QRadioButton*, 5> optionen_ {};
    QTableView* grid_ = nullptr;
};

} // namespace tarvex
