#include "Kartenbildspeicher.h"

#include "KartenZeichner.h"

#include <algorithm>

namespace tarvex {

QImage Kartenbildspeicher::bild(const Kartenzeichnung& zeichnung, qreal geräteSkalierung)
{
    const QList<Kartenzeichnung::Element>& elemente = zeichnung.elemente();
    const bool weiter = bis_ > 0 && bis_ <= elemente.size() && bild_.devicePixelRatio() == geräteSkalierung
        && std::equal(elemente.cbegin(), elemente.cbegin() + bis_, elemente_.cbegin());
    qsizetype ab = weiter ? bis_ : 0;
    QImage bild = weiter ? bild_ : KartenZeichner::hintergrund(geräteSkalierung);
    // A drawing without a fan (the square view) leaves the kept one for the next QSO view.
    const qsizetype fächer = KartenZeichner::fächerEnde(elemente);
    if (fächer > ab) {
        KartenZeichner::zeichne(bild, elemente, ab, fächer);
        elemente_ = elemente;
        bis_ = fächer;
        bild_ = bild;
        ab = fächer;
    }
    KartenZeichner::zeichne(bild, elemente, ab, elemente.size());
    return bild;
}

} // namespace tarvex
