#pragma once
#include "print/PrinterSurface.h"

#include <QPainter>

class QPrinter;

namespace tarvex {

// The printer surface on one given QPrinter (a print preview's, or a PDF file):
// every document becomes the next pages of that one job instead of a job of its
// own. Measures exactly as QtPrinterSurface, so columns fall in the same place.
class SingleJobPrinterSurface final : public PrinterSurface {
public:
    explicit SingleJobPrinterSurface(QPrinter& drucker);
    ~SingleJobPrinterSurface() override;

    // False when the printer refused to start (for a PDF: the file cannot be written).
    bool inOrdnung() const { return inOrdnung_; }
    int seiten() const { return seiten_; }

protected:
    Maße maße(const Schrift& schrift) const override;
    double textbreite(const Schrift& schrift, const QString& text) const override;
    double druckhöhe(QSizeF papierMm) const override;
    void dokumentBeginnen() override;
    void seiteBeginnen() override;
    void dokumentAbschließen() override;
    void zeichneText(QPointF oben, const Schrift& schrift, const QString& text) override;
    void zeichneLinie(QPointF von, QPointF bis, Linienart art) override;

private:
    double px(double mm) const;
    QPointF px(QPointF mm) const;

    QPrinter& drucker_;
    QPainter maler_;
    bool inOrdnung_ = true;
    int seiten_ = 0;
};

} // namespace tarvex
