#pragma once
#include "Kartenzeichnung.h"

#include <QImage>
#include <QList>

namespace tarvex {

// The map as painted up to the end of its fan of contact lines, kept while the map window
// comes and goes: a drawing that begins with the same elements (the same contacts, perhaps
// followed by new ones) is painted on from there, so reopening the map does not draw
// thousands of lines again. Any other drawing is painted whole.
class Kartenbildspeicher {
public:
    QImage bild(const Kartenzeichnung& zeichnung, qreal geräteSkalierung);

private:
    // The first bis_ of these were painted into bild_.
    QList<Kartenzeichnung::Element> elemente_;
    qsizetype bis_ = 0;
    QImage bild_;
};

} // namespace tarvex
