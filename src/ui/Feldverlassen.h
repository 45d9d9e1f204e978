#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace tarvex {

// A field whose value is checked when the operator leaves it for another field
// of the form; a message box or menu taking the focus is no leaving. The check
// runs after the click or key that moved the focus has been handled, so no
// button is left half pressed, and not at all when the focus went to
// abbrechen, came back, or the form was hidden meanwhile: then it stays owed.
class Feldverlassen final : public QObject {
public:
    Feldverlassen(QWidget* form, QWidget* feld, QWidget* abbrechen, std::function<void()> prüfen);

    // Left, and not checked since: a button that needs the value checks it itself.
    bool offen() const { return offen_; }
    void setOffen(bool offen) { offen_ = offen; }
    // Between leaving and the queued check: a click that left the field only
    // shows the check's message.
    bool unterwegs() const { return unterwegs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nachVerlassen();

    QWidget* form_;
    QWidget* feld_;
    QWidget* abbrechen_;
    std::function<void()> prüfen_;
    bool offen_ = false;
    bool unterwegs_ = false;
};

} // namespace tarvex
