#pragma once
#include <QColor>
#include <QFont>
#include <QImage>

#include "Kartenzeichnung.h"

namespace tarvex {

// Paints the graphic map: the background picture and the drawing over it, in
// the picture's 640 x 480 logical pixels. Text and lines are drawn at the
// device's resolution, so a high-DPI screen or a saved picture stays sharp.
class KartenZeichner {
public:
    // Colour of the 16-colour table (0 black ... 15 bright white).
    static QColor farbe(int index);
    // Courier New 8.25 point at 15 twips per pixel.
    static QFont schrift();

    // The background picture alone, 640 x 480 logical pixels at the given scale.
    static QImage hintergrund(qreal geräteSkalierung);
    // Paints the elements [von, bis) over what the picture already shows.
    static void zeichne(
        QImage& bild, const QList<Kartenzeichnung::Element>& elemente, qsizetype von, qsizetype bis);
    // The whole map as a picture of 640 x 480 logical pixels at the given scale.
    static QImage bild(const Kartenzeichnung& zeichnung, qreal geräteSkalierung = 1.0);
    // Where the last fan of contact lines ends (so many lines of one colour in a row that they
    // are thinned out): the index after its last line, 0 without one.
    static qsizetype fächerEnde(const QList<Kartenzeichnung::Element>& elemente);
};

} // namespace tarvex
