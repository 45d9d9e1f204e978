#pragma once
#include <QWidget>

class QPushButton;

namespace tarvex {

class LocatorTextModel;
class Textkarte;

// frmLocatorText ("Tarvex"): the text map, recomputed every time the window
// is activated; "Abbrechen" (or Esc) closes it.
class LocatorTextWindow : public QWidget {
    Q_OBJECT
public:
    explicit LocatorTextWindow(LocatorTextModel& model, QWidget* parent = nullptr);

    Textkarte* karte() const { return karte_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zeigen();

    LocatorTextModel& model_;
    Textkarte* karte_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
};

} // namespace tarvex
