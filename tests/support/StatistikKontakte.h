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
        ++nummer;
        const QsoRecord q { nummer, QStringLiteral("05.12.26"), k.zeit, k.rufzeichen,
            QStringLiteral("59") + QString::number(nummer).rightJustified(3, u'0'), QStringLiteral("59001"),
            k.square.isEmpty() ? QString() : k.square + QStringLiteral("AA"), k.punkte, QStringLiteral("90"),
            k.rufzeichen, ungültig ? QStringLiteral(" ") : k.square, ungültig ? QStringLiteral(" ") : k.land,
            QString(), false };
        db.qsoSpeichern(band, q, k.rufzeichen);
    }
}

} // namespace tarvex::test
