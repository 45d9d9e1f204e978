#pragma once
#include "print/Druckerwahl.h"
#include "print/Druckerwarteschlange.h"
#include "print/PrinterSurface.h"

#include <QFont>
#include <QMarginsF>
#include <QTemporaryDir>
#include <memory>

class QPainter;
class QPrinter;

namespace tarvex {

class Clock;
class Prompter;

// The printer surface on paper: the printer of the Druckerwahl, or, when none is installed, a PDF file in the
// working directory that the operator is told about once per document. A document opens at its first output
// and goes to the printer at its end, or when this object is destroyed (the journal printout never ends its
// own). Each document is drawn into a PDF first and handed to the printer's queue as one job, so a queue that
// is stopped, refuses the job or has gone can offer the same output as a PDF file.
// With a target printer (a print preview's) every document is drawn there instead,
// with the margins the real output would have.
class QtPrinterSurface final : public PrinterSurface {
public:
    QtPrinterSurface(Prompter& prompter, const Clock& uhr, const Druckerwahl& wahl, QPrinter* ziel = nullptr);
    ~QtPrinterSurface() override;

    // The unprintable edge of this printer in mm; a PDF's 5 mm when it is unknown.
    static QMarginsF druckerRänder(const QString& drucker);
    // Fixed-pitch names resolve to an installed fixed-pitch face.
    static QFont qtSchrift(const Schrift& schrift);
    // mm per character column and per line, and the width of a text, measured at
    // a fixed resolution: every Qt surface puts tab columns in the same place.
    static double zeichenbreiteMm(const Schrift& schrift);
    static double zeilenhöheMm(const Schrift& schrift);
    static double textbreiteMm(const Schrift& schrift, const QString& text);

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
    QString neuePdfDatei();
    // The finished document to the printer's queue, or as a PDF file when the
    // queue cannot take it and the operator wishes so.
    void übergeben();
    void alsPdfSpeichern(const QString& entwurf);
    void seitenformatSetzen();
    // The PDF keeps a printer's edge on standard paper; a custom page (a label
    // of continuous stock) has none, as on a label printer.
    QMarginsF ränderFür(QSizeF papierMm) const;
    double px(double mm) const;
    QPointF px(QPointF mm) const;

    Prompter& prompter_;
    const Clock& uhr_;
    const Druckerwahl& wahl_;
    QPrinter* ziel_;
    QMarginsF ränder_; // mm, of the device chosen last
    bool ohneDrucker_ = false;
    QString druckerName_; // of the open document; empty: PDF without a printer
    QString entwurf_; // the open document's PDF before it goes to the queue
    QTemporaryDir spool_;
    int dokumente_ = 0;
    std::unique_ptr<QPrinter> drucker_;
    QPrinter* gerät_ = nullptr; // drucker_ or ziel_ while a document is open
    std::unique_ptr<QPainter> maler_;
    QList<QSizeF> seitenMm_; // the paper of each page of the open PDF, as begun
};

} // namespace tarvex
