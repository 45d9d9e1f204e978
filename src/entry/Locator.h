#pragma once
#include <QString>
#include <array>

namespace tarvex {

// Maidenhead arithmetic. A locator stands for the south-west corner of its
// subsquare; pi is the literal 3.141592654 and the earth 40009 km round, so the
// figures match the ones contest managers compute.
double Laenge(const QString& locator);
double Breite(const QString& locator);

struct Strecke {
    int km = 1; // whole kilometres, at least 1; also the points
    int winkel = 0; // bearing 0..360, clockwise from north
};
Strecke Abstand(const QString& eigenerLocator, const QString& locator);

// The check run on every change of the locator field: first two characters up
// to "R", fifth and last up to "X". Lower limits, digits and length are not checked.
bool locatorGültig(const QString& locator);

// Arrow for a bearing text: index 0..8 into pfeile, -1 for an empty bearing.
int pfeilIndex(const QString& winkel);
inline const std::array<QString, 9> kPfeile = {
    QStringLiteral("\u2191"),
    QStringLiteral("\u2197"),
    QStringLiteral("\u2192"),
    QStringLiteral("\u2198"),
    QStringLiteral("\u2193"),
    QStringLiteral("\u2199"),
    QStringLiteral("\u2190"),
    QStringLiteral("\u2196"),
    QStringLiteral("\u2191"),
};
QString pfeil(const QString& winkel);

} // namespace tarvex
