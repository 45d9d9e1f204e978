#pragma once
#include "QsoRecord.h"

#include <QString>

namespace tarvex {

// The one rule for an invalid contact: its Punkte hold "-----". Everything that
// counts, lists or exports valid contacts asks here, in C++ or in SQL.
inline bool istGültig(QStringView punkte)
{
    return punkte != kUngültigePunkte;
}

// The same rule as an SQL condition on a band table's Punkte (a missing value is not valid).
inline QString gültigSql()
{
    return QStringLiteral("Punkte<>'-----'");
}

// Punkte "-----", Square and Land a blank: the contact counts nowhere.
inline void ungültigMachen(QsoRecord& q)
{
    q.punkte = kUngültigePunkte;
    q.square = QStringLiteral(" ");
    q.land = QStringLiteral(" ");
}

} // namespace tarvex
