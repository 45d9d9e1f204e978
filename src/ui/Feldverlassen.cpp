#include "Feldverlassen.h"

#include <QFocusEvent>
#include <QWidget>

namespace tarvex {

Feldverlassen::Feldverlassen(QWidget* form, QWidget* feld, QWidget* abbrechen, std::function<void()> prüfen)
    : QObject(form)
    , form_(form)
    , feld_(feld)
    , abbrechen_(abbrechen)
    , prüfen_(std::move(prüfen))
{
    feld_->installEventFilter(this);
}

bool Feldverlassen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == feld_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(event)->reason();
        if (form_->isVisible() && grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason
            && grund != Qt::MenuBarFocusReason) {
            offen_ = true;
            unterwegs_ = true;
            QMetaObject::invokeMethod(this, &Feldverlassen::nachVerlassen, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void Feldverlassen::nachVerlassen()
{
    unterwegs_ = false;
    // Leaving for "Abbrechen" needs no valid value.
    if (!offen_ || !form_->isVisible() || feld_->hasFocus() || form_->focusWidget() == abbrechen_)
        return;
    offen_ = false;
    prüfen_();
}

} // namespace tarvex
