#include "KartenAnsicht.h"

#include "KarteModel.h"
#include "Kartenbildspeicher.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tarvex {

using namespace Qt::StringLiterals;

KartenAnsicht::KartenAnsicht(KarteModel& model, Kartenbildspeicher& bilder, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , bilder_(bilder)
{
    setObjectName(u"Picture1"_s);
    setFixedSize(640, 480);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&model_, &KarteModel::changed, this, qOverload<>(&QWidget::update));
}

void KartenAnsicht::paintEvent(QPaintEvent*)
{
    const qreal skalierung = devicePixelRatioF();
    if (gerenderterStand_ != model_.zeichnung().stand() || gerendert_.devicePixelRatio() != skalierung) {
        gerendert_ = bilder_.bild(model_.zeichnung(), skalierung);
        gerenderterStand_ = model_.zeichnung().stand();
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), gerendert_);
}

bool KartenAnsicht::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* hilfe = static_cast<QHelpEvent*>(event);
        const QString text = model_.hinweis(hilfe->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(hilfe->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace tarvex
