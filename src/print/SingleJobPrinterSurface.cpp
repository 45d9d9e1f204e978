#include "SingleJobPrinterSurface.h"

#include "QtPrinterSurface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

namespace tarvex {

namespace {
constexpr double linienbreite = 0.2; // mm, as on the printer
} // namespace

SingleJobPrinterSurface::SingleJobPrinterSurface(QPrinter& drucker)
    : PrinterSurface(drucker.pageLayout().fullRect(QPageLayout::Millimeter).size())
    , drucker_(drucker)
{
}

SingleJobPrinterSurface::~SingleJobPrinterSurface()
{
    dokumentEnde();
    if (maler_.isActive())
        maler_.end();
}

PrinterSurface::Maße SingleJobPrinterSurface::maße(const Schrift& schrift) const
{
    return { QtPrinterSurface::zeichenbreiteMm(schrift), QtPrinterSurface::zeilenhöheMm(schrift) };
}

double SingleJobPrinterSurface::textbreite(const Schrift& schrift, const QString& text) const
{
    return QtPrinterSurface::textbreiteMm(schrift, text);
}

double SingleJobPrinterSurface::druckhöhe(QSizeF) const
{
    return drucker_.pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void SingleJobPrinterSurface::dokumentBeginnen()
{
    if (!inOrdnung_)
        return;
    if (maler_.isActive()) {
        seiteBeginnen();
        return;
    }
    if (!maler_.begin(&drucker_)) {
        inOrdnung_ = false;
        return;
    }
    seiten_ = 1;
    maler_.setPen(QPen(Qt::black, px(linienbreite)));
    maler_.setBrush(Qt::NoBrush);
}

void SingleJobPrinterSurface::seiteBeginnen()
{
    if (maler_.isActive() && drucker_.newPage())
        ++seiten_;
}

void SingleJobPrinterSurface::dokumentAbschließen()
{
    // The job goes on: the next document begins on a fresh page.
}

void SingleJobPrinterSurface::zeichneText(QPointF oben, const Schrift& schrift, const QString& text)
{
    if (!maler_.isActive())
        return;
    const QFont font = QtPrinterSurface::qtSchrift(schrift);
    maler_.setFont(font);
    const QFontMetricsF m(font, &drucker_);
    maler_.drawText(QPointF(px(oben.x()), px(oben.y()) + m.ascent()), text);
}

void SingleJobPrinterSurface::zeichneLinie(QPointF von, QPointF bis, Linienart art)
{
    if (!maler_.isActive())
        return;
    if (art == Linienart::Rechteck)
        maler_.drawRect(QRectF(px(von), px(bis)).normalized());
    else
        maler_.drawLine(px(von), px(bis));
}

double SingleJobPrinterSurface::px(double mm) const
{
    return mm * drucker_.resolution() / 25.4;
}

QPointF SingleJobPrinterSurface::px(QPointF mm) const
{
    return { px(mm.x()), px(mm.y()) };
}

} // namespace tarvex
