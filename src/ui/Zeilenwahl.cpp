#include "Zeilenwahl.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace tarvex {

Zeilenwahl::Zeilenwahl(QAbstractItemView* liste, std::function<void(int zeile)> nehmen)
    : QObject(liste)
    , liste_(liste)
    , nehmen_(std::move(nehmen))
{
    liste_->installEventFilter(this);
    connect(
        liste_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) { nehmen_(i.row()); });
}

bool Zeilenwahl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == liste_ && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            nehmen_(liste_->currentIndex().row());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvex
