#pragma once
// Random but repeatable calls and locators for the benchmarks' contests.
#include <QString>
#include <QStringList>
#include <random>

namespace tarvex::bench {

inline int wahl(int n)
{
    static std::mt19937 zufall(4711);
    return std::uniform_int_distribution<int>(0, n - 1)(zufall);
}

inline const QStringList& präfixe()
{
    static const QStringList p { QStringLiteral("DL"), QStringLiteral("DK"), QStringLiteral("DJ"),
        QStringLiteral("DB"), QStringLiteral("DC"), QStringLiteral("DO"), QStringLiteral("G"),
        QStringLiteral("F"), QStringLiteral("PA"), QStringLiteral("ON"), QStringLiteral("OK"),
        QStringLiteral("OE"), QStringLiteral("SP"), QStringLiteral("OZ"), QStringLiteral("SM"),
        QStringLiteral("HB9"), QStringLiteral("I"), QStringLiteral("LY"), QStringLiteral("YL"),
        QStringLiteral("ES"), QStringLiteral("S5"), QStringLiteral("9A"), QStringLiteral("HA"),
        QStringLiteral("YO"), QStringLiteral("LZ"), QStringLiteral("OM"), QStringLiteral("LA"),
        QStringLiteral("EA") };
    return p;
}

inline QString rufzeichen()
{
    QString call = präfixe()[wahl(static_cast<int>(präfixe().size()))] + QString::number(wahl(10));
    for (int i = 0, n = 2 + wahl(2); i < n; ++i)
        call += QChar(u'A' + wahl(26));
    return call;
}

// A six-character locator in Europe (fields IM to KP).
inline QString locator()
{
    return QString(QChar(u'I' + wahl(3))) + QChar(u'M' + wahl(4)) + QString::number(wahl(10))
        + QString::number(wahl(10)) + QChar(u'A' + wahl(24)) + QChar(u'A' + wahl(24));
}

} // namespace tarvex::bench
