#include "Spielstand.h"

#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// As the engine writes a number: whole numbers without a decimal point.
QString zahl(double wert)
{
    return std::trunc(wert) == wert && std::abs(wert) < 9.0e15 ? QString::number(static_cast<qint64>(wert))
                                                               : QString::number(wert, 'g', 15);
}

} // namespace

QString laufendeNummer(qint64 n)
{
    return n < 1000 ? u"%1"_s.arg(n, 3, 10, QChar(u'0')) : QString::number(n);
}

Spielstand Spielstand::aus(const Summen& summen)
{
    Spielstand s;
    s.gültige = summen.gültige;
    if (summen.gültige > 0) {
        s.txtPunkte = zahl(summen.summe);
        s.txtODX = zahl(summen.maximum);
        // Rounded as text: no integer conversion that an absurd sum could overflow.
        s.txtDurchschnitt
            = QString::number(std::round(summen.summe / static_cast<double>(summen.gültige)), 'f', 0);
    }
    s.lblODXCall = u"( "_s + summen.odxCall + u')';
    s.txtNummer = laufendeNummer(summen.anzahl + 1);
    s.Länder = summen.länder;
    s.GroßFelder = summen.großfelder;
    s.txtLänder = QString::number(s.Länder);
    s.txtGroßfelder = QString::number(s.GroßFelder);
    return s;
}

} // namespace tarvex
