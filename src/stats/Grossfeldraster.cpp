#include "Grossfeldraster.h"

namespace tarvex {

Großfeldraster::Großfeldraster(int letzteSpalte)
    : letzteSpalte_(letzteSpalte)
    , zellen_((kLetzteZeile - kErsteZeile + 1) * (letzteSpalte + 1))
{
    Erzeugen();
}

QString Großfeldraster::name(int zeile, int spalte)
{
    const int i = spalte + 5; // 2° steps east of 20° W (field I begins there)
    const int j = 39 - zeile; // 1° steps north of 30° N (field M begins there)
    const QChar längenfeld = i < 10 ? u'I' : i < 20 ? u'J' : u'K';
    const QChar breitenfeld = j < 10 ? u'M' : j < 20 ? u'N' : j < 30 ? u'O' : u'P';
    const QChar zeichen[] = { längenfeld, breitenfeld, QChar(u'0' + i % 10), QChar(u'0' + j % 10) };
    return QString(zeichen, 4);
}

int Großfeldraster::index(int z, int s) const
{
    return (z - kErsteZeile) * (letzteSpalte_ + 1) + s;
}

const QString& Großfeldraster::zelle(int z, int s) const
{
    return zellen_[index(z, s)];
}

void Großfeldraster::Erzeugen()
{
    for (int r = kErsteZeile; r <= kLetzteZeile; ++r)
        for (int c = 0; c <= letzteSpalte_; ++c)
            zellen_[index(r, c)] = name(r, c);
}

void Großfeldraster::suchen(const QString& text)
{
    zeile = -1;
    spalte = -1;
    for (int r = kErsteZeile; r <= kLetzteZeile; ++r) {
        for (int c = 0; c <= letzteSpalte_; ++c) {
            if (zellen_[index(r, c)] == text) {
                zeile = static_cast<qint16>(r);
                spalte = static_cast<qint16>(c);
                return;
            }
        }
    }
}

bool Großfeldraster::direktFinden(const QString& text)
{
    // The inverse of name(): a square name has exactly one cell, found without a walk
    // over the whole table once per group. A number already written is never a name.
    if (text.size() != 4)
        return false;
    const int längenfeld = text[0].unicode() - u'I';
    const int breitenfeld = text[1].unicode() - u'M';
    const int i = text[2].unicode() - u'0';
    const int j = text[3].unicode() - u'0';
    if (längenfeld < 0 || längenfeld > 2 || breitenfeld < 0 || breitenfeld > 3 || i < 0 || i > 9 || j < 0
        || j > 9)
        return false;
    const int s = längenfeld * 10 + i - 5;
    const int z = 39 - (breitenfeld * 10 + j);
    if (z < kErsteZeile || z > kLetzteZeile || s < 0 || s > letzteSpalte_ || zellen_[index(z, s)] != text)
        return false;
    zeile = static_cast<qint16>(z);
    spalte = static_cast<qint16>(s);
    return true;
}

void Großfeldraster::Belegen(const QList<Gruppensumme>& großfelder, const QString& eigenerSquare)
{
    for (const Gruppensumme& g : großfelder) {
        // A group is named as its first contact was stored: "jo31" finds no cell.
        if (!direktFinden(g.name))
            suchen(g.name);
        if (zeile < 0)
            continue;
        zellen_[index(zeile, spalte)] = QString::number(g.name == eigenerSquare ? -g.anzahl : g.anzahl);
    }
}

} // namespace tarvex
