#pragma once
#include "print/PrinterSurface.h"

#include <QStringList>

namespace tarvex {

// A printer for tests: it keeps the positions as a real one would and records
// every document, page, text and line. Every font is measured as Courier New
// (fixed pitch): a character is 0.6 of the size wide, a line 2320/2048 of the
// size high (at 12 pt: 2.54 mm and about 4.80 mm). The paper is A4 unless set;
// the printable area is the paper less an equal margin on every side.
class RecordingPrinterSurface final : public PrinterSurface {
public:
    struct Eintrag {
        enum class Art { Dokument, Seite, Text, Linie, Rechteck, Ende };
        Art art;
        int dokument; // from 1
        int seite; // within the document, from 1
        QPointF von; // mm; text: top-left of the text
        QPointF bis; // mm; lines and rectangles only
        Schrift schrift; // text only
        QString text;
    };

    explicit RecordingPrinterSurface(double randMm = 0);

    static double zeichenbreiteMm(float punkte);
    static double zeilenhöheMm(float punkte);

    const QList<Eintrag>& einträge() const { return einträge_; }
    // One line per entry, positions in mm with two decimals, e.g.
    //   Dokument 1
    //   Text 1.1 (22.86, 4.80) Courier New 12 kursiv: "Tarvex"
    //   Rechteck 1.1 (21.00, 0.00)-(76.00, 8.00)
    //   Seite 1.2
    //   Ende 1
    QStringList protokoll() const;
    static QString zeile(const Eintrag& eintrag);
    // The texts of one page, in the order printed.
    QStringList texte(int dokument, int seite) const;

    // Documents begun so far; the counts below cover only the entries kept.
    int dokumente() const { return dokument_; }
    int abgeschlosseneDokumente() const;
    int seiten(int dokument) const;

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
    void notiere(Eintrag::Art art, QPointF von = {}, QPointF bis = {}, const Schrift& schrift = {},
        const QString& text = {});

    double rand_;
    int dokument_ = 0;
    int seite_ = 0;
    QList<Eintrag> einträge_;
};

} // namespace tarvex
