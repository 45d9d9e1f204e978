#pragma once
#include <QImage>
#include <QString>

namespace tarvex {

// The square map's background: Europe from 10° W to 30° E and 35° N to 65° N, 16 pixels
// per degree both ways (640 x 480), 16 colours, with the large-square and field grid.
// Built by tools/refdata from Natural Earth; compiled into the program as a resource.
class Kartenhintergrund {
public:
    static QString ressource();
    static QImage bild();
};

} // namespace tarvex
