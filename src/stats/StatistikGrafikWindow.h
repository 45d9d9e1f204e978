#pragma once
#include "StatistikGrafikModel.h"

#include <QWidget>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QChartView;
class QImage;
class QPushButton;
class QValueAxis;

namespace tarvex {

class OffenerContest;
class Prompter;

// frmStatistik2, "Tarvex - Statistik": the four chart buttons, the bar chart
// (Grafik) over a StatistikGrafikModel, copy to the clipboard and saving as PNG.
// Built afresh at every opening; leaving it emits backRequested.
class StatistikGrafikWindow : public QWidget {
    Q_OBJECT
public:
    StatistikGrafikWindow(OffenerContest& contest, Prompter& prompter, QWidget* parent = nullptr);

    StatistikGrafikModel& model() { return model_; }
    QBarSet* balken() const { return balken_; }
    // The chart as it is drawn.
    QImage bild() const;

signals:
    void backRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void zeigen();
    void kopieren();
    void speichern();

    StatistikGrafikModel model_;
    Prompter& prompter_;
    QChartView* grafik_ = nullptr;
    QBarSeries* reihe_ = nullptr;
    QBarSet* balken_ = nullptr;
    QBarCategoryAxis* stunden_ = nullptr;
    QValueAxis* werte_ = nullptr;
    QPushButton* command1_ = nullptr;
    int unterDerMaus_ = -1; // the bar the mouse rests on
};

} // namespace tarvex
