#pragma once
#include "PrintItem.h"
#include "Punkt.h"
#include "Schrift.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace tarvex {

// The printer as the program's printouts see it: a page on which text and lines
// are drawn at a current position, pages and documents. The position rules live
// here, once; a device only measures, draws and spools. Positions are kept in
// millimetres from the top-left corner of the printable area and shown to callers
// in the current scale unit. Not copyable: it stands for one printer.
class PrinterSurface {
public:
    enum class Maßeinheit { Twips, Punkt, Zoll, Millimeter, Zentimeter };
    enum class Zeilenende { Beenden, Offen };
    enum class Linienart { Linie, Rechteck };

    static constexpr double twipsProMillimeter = 56.7;

    virtual ~PrinterSurface() = default;
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    // Applies to text printed afterwards.
    const Schrift& schrift() const { return schrift_; }
    const QString& schriftart() const { return schrift_.name; }
    void setSchriftart(const QString& name) { schrift_.name = name; }
    float schriftgröße() const { return schrift_.größe; }
    void setSchriftgröße(float punkte) { schrift_.größe = punkte; }
    bool fett() const { return schrift_.fett; }
    void setFett(bool an) { schrift_.fett = an; }
    bool kursiv() const { return schrift_.kursiv; }
    void setKursiv(bool an) { schrift_.kursiv = an; }

    // Starts as millimetres; changing it keeps the position on the page.
    Maßeinheit maßeinheit() const { return einheit_; }
    void setMaßeinheit(Maßeinheit einheit) { einheit_ = einheit; }

    double x() const;
    void setX(double x);
    double y() const;
    void setY(double y);

    // Paper size in whole twips. A change takes effect with the next page.
    int seitenbreite() const;
    void setSeitenbreite(int twips);
    int seitenhöhe() const;
    void setSeitenhöhe(int twips);

    // Items follow each other with nothing between them; a tab stop to a column the
    // position is already past goes to that column of the next line. Beenden moves
    // to the left edge one line height (of the current font) lower; no items and
    // Beenden just ends the line. Text that would run past the bottom of the
    // printable area goes on at the top of a new page.
    void drucke(const QList<PrintItem>& posten = {}, Zeilenende ende = Zeilenende::Beenden);
    // A line, or the outline of the rectangle with these corners; the position
    // ends at the second point.
    void linie(Punkt von, Punkt bis, Linienart art = Linienart::Linie);
    // The next output goes to a fresh page at the top; a trailing fresh page with
    // nothing on it is never emitted.
    void neueSeite();
    // Hands the document to the printer; the next output starts a new document.
    // Nothing is handed over for a document without any output.
    void dokumentEnde();

    bool dokumentOffen() const { return offen_; }

    // The document is drawn reduced by this factor (0 < f <= 1) toward the top-left
    // corner of the printable area, fonts and lines alike, so a layout taller than
    // the printer's area still fits; callers keep the layout's positions. Back to 1
    // at the end of the document.
    double maßstab() const { return maßstab_; }
    void setMaßstab(double faktor);
    // In the current scale unit, of the layout: the line height of the current font
    // and the printable height of the next page begun.
    double zeilenhöhe() const;
    double druckbereichHöhe() const;

protected:
    // mm per character column and per line of a font on this device.
    struct Maße {
        double zeichenbreite;
        double zeilenhöhe;
    };

    explicit PrinterSurface(QSizeF papierMm);

    // The paper of the next page begun.
    QSizeF papierMm() const { return papier_; }

    virtual Maße maße(const Schrift& schrift) const = 0;
    virtual double textbreite(const Schrift& schrift, const QString& text) const = 0;
    // Height of the printable area on paper of this size.
    virtual double druckhöhe(QSizeF papierMm) const = 0;

    virtual void dokumentBeginnen() = 0;
    virtual void seiteBeginnen() = 0;
    virtual void dokumentAbschließen() = 0;
    // Coordinates in mm from the top-left corner of the printable area; text is
    // placed by the top of its line.
    virtual void zeichneText(QPointF oben, const Schrift& schrift, const QString& text) = 0;
    virtual void zeichneLinie(QPointF von, QPointF bis, Linienart art) = 0;

private:
    void vorAusgabe();
    void blattwechsel();
    double faktor() const;

    Schrift schrift_;
    Maßeinheit einheit_ = Maßeinheit::Millimeter;
    QPointF pos_;
    QSizeF papier_;
    QSizeF seitenPapier_; // of the page being printed
    bool offen_ = false;
    int ausstehendeSeiten_ = 0;
    double maßstab_ = 1;
};

} // namespace tarvex
