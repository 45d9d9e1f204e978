#pragma once
#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;

namespace tarvex {

class Kartenzeichnung;

// Paints the graphic map: the background picture and the drawing over it, in
// the picture's 640 x 480 logical pixels. Text and lines are drawn at the
// device's resolution, so a high-DPI screen or a saved picture stays sharp.
class KartenZeichner {
public:
    // Colour of the 16-colour table (0 black ... 15 bright white).
    static QColor farbe(int index);
    // Courier New 8.25 point at 15 twips per pixel.
    static QFont schrift();

    static void zeichne(QPainter& painter, const Kartenzeichnung& zeichnung);
    // The whole map as a picture of 640 x 480 logical pixels at the given scale.
    static QImage bild(const Kartenzeichnung& zeichnung, qreal geräteSkalierung = 1.0);
};

} // namespace tarvex
