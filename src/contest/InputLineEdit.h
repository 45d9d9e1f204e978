#pragma once
#include <QLineEdit>

namespace tarvex {

class EntryModel;

// txtInput: every change, typed or pasted, goes through the input line's
// character rule; Enter, Esc and F12 are the model's, Down hands the focus to
// the log grid.
class InputLineEdit : public QLineEdit {
    Q_OBJECT
public:
    InputLineEdit(EntryModel& model, QWidget* parent = nullptr);

signals:
    void downPressed();
    void lineEvaluated();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void auswerten(bool f12);
    EntryModel& model_;
    bool auswertend_ = false;
};

} // namespace tarvex
