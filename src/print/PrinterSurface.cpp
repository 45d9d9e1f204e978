#include "PrinterSurface.h"

#include <algorithm>
#include <cmath>

namespace tarvex {

namespace {
// Callers compute positions in floating point; closer than this is the same place.
constexpr double genauigkeit = 1e-6;
} // namespace

PrinterSurface::PrinterSurface(QSizeF papierMm)
    : papier_(papierMm)
    , seitenPapier_(papierMm)
{
}

double PrinterSurface::faktor() const
{
    switch (einheit_) {
    case Maßeinheit::Twips:
        return 1 / twipsProMillimeter;
    case Maßeinheit::Punkt:
        return 25.4 / 72;
    case Maßeinheit::Zoll:
        return 25.4;
    case Maßeinheit::Millimeter:
        return 1;
    case Maßeinheit::Zentimeter:
        return 10;
    }
    return 1;
}

double PrinterSurface::x() const
{
    return pos_.x() / faktor();
}

void PrinterSurface::setX(double x)
{
    pos_.setX(x * faktor());
}

double PrinterSurface::y() const
{
    return pos_.y() / faktor();
}

void PrinterSurface::setY(double y)
{
    pos_.setY(y * faktor());
}

int PrinterSurface::seitenbreite() const
{
    return int(std::lround(papier_.width() * twipsProMillimeter));
}

void PrinterSurface::setSeitenbreite(int twips)
{
    papier_.setWidth(twips / twipsProMillimeter);
}

int PrinterSurface::seitenhöhe() const
{
    return int(std::lround(papier_.height() * twipsProMillimeter));
}

void PrinterSurface::setSeitenhöhe(int twips)
{
    papier_.setHeight(twips / twipsProMillimeter);
}

void PrinterSurface::setMaßstab(double faktor)
{
    maßstab_ = faktor > 0 && faktor < 1 ? faktor : 1;
}

double PrinterSurface::zeilenhöhe() const
{
    return maße(schrift_).zeilenhöhe / faktor();
}

double PrinterSurface::druckbereichHöhe() const
{
    return druckhöhe(papier_) / maßstab_ / faktor();
}

void PrinterSurface::drucke(const QList<PrintItem>& posten, Zeilenende ende)
{
    for (const PrintItem& p : posten) {
        const Maße m = maße(schrift_);
        if (p.art() == PrintItem::Art::Tab) {
            const double ziel = (std::max(p.spalte(), 1) - 1) * m.zeichenbreite;
            if (pos_.x() > ziel + genauigkeit)
                pos_.ry() += m.zeilenhöhe;
            pos_.setX(ziel);
            continue;
        }
        // An empty text puts nothing on paper and so opens no document.
        if (p.inhalt().isEmpty())
            continue;
        vorAusgabe();
        // A line that does not fit goes on the next page; one that does not fit
        // on an empty page is printed all the same rather than looping.
        if (pos_.y() > genauigkeit
            && pos_.y() + m.zeilenhöhe > druckhöhe(seitenPapier_) / maßstab_ + genauigkeit) {
            blattwechsel();
            pos_.setY(0);
        }
        Schrift gezeichnet = schrift_;
        gezeichnet.größe = static_cast<float>(schrift_.größe * maßstab_);
        zeichneText(pos_ * maßstab_, gezeichnet, p.inhalt());
        pos_.rx() += textbreite(schrift_, p.inhalt());
    }
    if (ende == Zeilenende::Beenden)
        pos_ = QPointF(0, pos_.y() + maße(schrift_).zeilenhöhe);
}

void PrinterSurface::linie(Punkt von, Punkt bis, Linienart art)
{
    const double f = faktor();
    QPointF a(von.x * f, von.y * f);
    if (von.relativ)
        a += pos_;
    QPointF b(bis.x * f, bis.y * f);
    if (bis.relativ)
        b += a;
    vorAusgabe();
    zeichneLinie(a * maßstab_, b * maßstab_, art);
    pos_ = b;
}

void PrinterSurface::neueSeite()
{
    ++ausstehendeSeiten_;
    pos_ = QPointF();
}

void PrinterSurface::dokumentEnde()
{
    if (offen_) {
        offen_ = false;
        dokumentAbschließen();
    }
    ausstehendeSeiten_ = 0;
    pos_ = QPointF();
    maßstab_ = 1;
}

void PrinterSurface::vorAusgabe()
{
    if (!offen_) {
        seitenPapier_ = papier_;
        dokumentBeginnen();
        offen_ = true;
    }
    for (; ausstehendeSeiten_ > 0; --ausstehendeSeiten_)
        blattwechsel();
}

void PrinterSurface::blattwechsel()
{
    seitenPapier_ = papier_;
    seiteBeginnen();
}

} // namespace tarvex
