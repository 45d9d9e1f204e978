#pragma once
#include "store/ContestDatabase.h"

#include <QString>

namespace tarvex::test {

// One contact as the statistics read it; the other fields are plausible fillers.
// Points "-----" make it an invalid contact with blank square and country.
struct Kontakt {
    QString zeit;
    QString rufzeichen;
    QString punkte;
    QString square;
    QString land;
};

inline void schreibeKontakte(ContestDatabase& db, const QString& band, const QList<Kontakt>& kontakte)
{
    int nummer = static_cast<int>(db.qsos(band).size());
    for (const Kontakt& k : kontakte) {
        const bool ungültig = k.punkte == kUngültigePunkte;
        QsoRecord q;
        q.nummer = ++nummer;
        q.datum = QStringLiteral("05.12.26");
        q.zeit = k.zeit;
        q.rufzeichen = k.rufzeichen;
        q.rstGeg = QStringLiteral("59") + QString::number(nummer).rightJustified(3, u'0');
        q.rstErh = QStringLiteral("59001");
        q.locator = k.square.isEmpty() ? QString() : k.square + QStringLiteral("AA");
        q.punkte = k.punkte;
        q.winkel = QStringLiteral("90");
        q.kernCall = k.rufzeichen;
        q.square = ungültig ? QStringLiteral(" ") : k.square;
        q.land = ungültig ? QStringLiteral(" ") : k.land;
        q.kommentar = QString();
        db.qsoSpeichern(band, q, k.rufzeichen);
    }
}

} // namespace tarvex::test
