#pragma once
#include <QImage>
#include <QWidget>

namespace tarvex {

class KarteModel;
class Kartenbildspeicher;

// The picture of frmKarte: repaints the model's drawing from a retained
// rendering, so covering the window loses nothing; shows the square under
// the mouse as a tool tip.
class KartenAnsicht : public QWidget {
    Q_OBJECT
public:
    KartenAnsicht(KarteModel& model, Kartenbildspeicher& bilder, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    KarteModel& model_;
    Kartenbildspeicher& bilder_;
    QImage gerendert_;
    quint64 gerenderterStand_ = ~quint64(0);
};

} // namespace tarvex
