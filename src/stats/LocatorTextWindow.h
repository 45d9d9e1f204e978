#pragma once
#include <QWidget>

class QPushButton;
class QTextEdit;

namespace tarvex {

class LocatorTextModel;

// frmLocatorText ("Tarvex"): the text map, recomputed every time the window
// is activated; "Abbrechen" (or Esc) closes it.
class LocatorTextWindow : public QWidget {
    Q_OBJECT
public:
    explicit LocatorTextWindow(LocatorTextModel& model, QWidget* parent = nullptr);

    QTextEdit* text() const { return text_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zeigen();

    LocatorTextModel& model_;
    QTextEdit* text_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
};

} // namespace tarvex
