#include "KartenZeichner.h"

#include "KarteModel.h"
#include "Kartenhintergrund.h"
#include "Kartenzeichnung.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvex {

using namespace Qt::StringLiterals;

QColor KartenZeichner::farbe(int index)
{
    static constexpr QRgb tabelle[16] = {
        qRgb(0, 0, 0),
        qRgb(0, 0, 128),
        qRgb(0, 128, 0),
        qRgb(0, 128, 128),
        qRgb(128, 0, 0),
        qRgb(128, 0, 128),
        qRgb(128, 128, 0),
        qRgb(192, 192, 192),
        qRgb(128, 128, 128),
        qRgb(0, 0, 255),
        qRgb(0, 255, 0),
        qRgb(0, 255, 255),
        qRgb(255, 0, 0),
        qRgb(255, 0, 255),
        qRgb(255, 255, 0),
        qRgb(255, 255, 255),
    };
    return QColor(tabelle[index & 15]);
}

QFont KartenZeichner::schrift()
{
    QFont font;
    font.setFamilies({ u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s });
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(11); // 8.25 point at 96 dpi
    return font;
}

namespace {

// The contact lines of a long contest all leave the own point. Of the lines that
// part from each other by less than a quarter of a device pixel at the far end of
// the longest, only the longest is drawn: the others lie under it, give or take a
// pixel of their edge (below 0.1 % of the picture at 20,000 contacts), and the cost
// stops growing with the log. Short runs are drawn line by line.
constexpr qsizetype kFächerAb = 2000;

void ausdünnen(std::vector<QLineF>& linien, qreal pixelProEinheit)
{
    if (static_cast<qsizetype>(linien.size()) < kFächerAb)
        return;
    const QPointF start = linien.front().p1();
    std::vector<qreal> quadrat(linien.size());
    qreal längste = 0;
    for (std::size_t i = 0; i < linien.size(); ++i) {
        const QLineF& l = linien[i];
        if (l.p1() != start)
            return;
        quadrat[i] = l.dx() * l.dx() + l.dy() * l.dy();
        längste = std::max(längste, quadrat[i]);
    }
    const int fächer = static_cast<int>(std::ceil(8 * M_PI * std::sqrt(längste) * pixelProEinheit));
    if (fächer < 1)
        return;
    std::vector<int> wahl(static_cast<std::size_t>(fächer), -1);
    for (std::size_t i = 0; i < linien.size(); ++i) {
        const qreal winkel = std::atan2(linien[i].dy(), linien[i].dx()) + M_PI; // 0 .. 2π
        const int f = std::min(fächer - 1, static_cast<int>(winkel / (2 * M_PI) * fächer));
        int& w = wahl[static_cast<std::size_t>(f)];
        if (w < 0 || quadrat[i] > quadrat[static_cast<std::size_t>(w)])
            w = static_cast<int>(i);
    }
    std::vector<QLineF> bleiben;
    for (const int w : wahl) {
        if (w >= 0)
            bleiben.push_back(linien[static_cast<std::size_t>(w)]);
    }
    linien.swap(bleiben);
}

} // namespace

QImage KartenZeichner::hintergrund(qreal geräteSkalierung)
{
    static const QImage vorlage = Kartenhintergrund::bild();
    QImage bild(QSize(qRound(640 * geräteSkalierung), qRound(480 * geräteSkalierung)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(geräteSkalierung);
    bild.fill(Qt::black);
    QPainter painter(&bild);
    // Pixel-exact enlargement of the 16-colour picture: grid lines stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, 640, 480), vorlage);
    return bild;
}

qsizetype KartenZeichner::fächerEnde(const QList<Kartenzeichnung::Element>& elemente)
{
    qsizetype ende = 0;
    qsizetype lauf = 0;
    for (qsizetype i = 0; i < elemente.size(); ++i) {
        const Kartenzeichnung::Element& e = elemente[i];
        // The same runs as the painting's: lines of one colour in a row go to the engine together.
        if (e.art != Kartenzeichnung::Element::Art::Linie)
            lauf = 0;
        else
            lauf = lauf > 0 && elemente[i - 1].farbe == e.farbe ? lauf + 1 : 1;
        if (lauf >= kFächerAb)
            ende = i + 1;
    }
    return ende;
}

void KartenZeichner::zeichne(
    QImage& bild, const QList<Kartenzeichnung::Element>& elemente, qsizetype von, qsizetype bis)
{
    if (von >= bis)
        return;
    QPainter painter(&bild);
    painter.setClipRect(QRectF(0, 0, 640, 480));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = schrift();
    painter.setFont(font);
    const qreal ascent = QFontMetricsF(font, painter.device()).ascent();
    constexpr qreal s = 1.0 / KarteModel::kTwipsProPixel;
    const auto punkt = [&](QPoint p) { return QPointF(p.x() * s, p.y() * s); };
    // Lines of one colour in a row (the contact lines) go to the engine in one call:
    // it sets up pen and clip once instead of once per contact.
    std::vector<QLineF> linien;
    linien.reserve(static_cast<std::size_t>(bis - von));
    int linienFarbe = -1;
    const auto linienZeichnen = [&] {
        if (linien.empty())
            return;
        const QTransform& t = painter.deviceTransform();
        ausdünnen(linien, std::hypot(t.m11(), t.m12()));
        painter.setPen(QPen(farbe(linienFarbe), 1.0));
        painter.drawLines(linien.data(), static_cast<int>(linien.size()));
        linien.clear();
    };
    for (qsizetype i = von; i < bis; ++i) {
        const Kartenzeichnung::Element& e = elemente[i];
        if (e.art == Kartenzeichnung::Element::Art::Linie) {
            if (e.farbe != linienFarbe)
                linienZeichnen();
            linienFarbe = e.farbe;
            linien.emplace_back(punkt(e.a), punkt(e.b));
            continue;
        }
        linienZeichnen();
        const QColor c = farbe(e.farbe);
        switch (e.art) {
        case Kartenzeichnung::Element::Art::Text:
            painter.setPen(c);
            painter.drawText(punkt(e.a) + QPointF(0, ascent), e.text);
            break;
        case Kartenzeichnung::Element::Art::Linie:
            break;
        case Kartenzeichnung::Element::Art::Kreis:
            painter.setPen(QPen(c, 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(punkt(e.a), e.radius * s, e.radius * s);
            break;
        }
    }
    linienZeichnen();
}

QImage KartenZeichner::bild(const Kartenzeichnung& zeichnung, qreal geräteSkalierung)
{
    QImage bild = hintergrund(geräteSkalierung);
    zeichne(bild, zeichnung.elemente(), 0, zeichnung.elemente().size());
    return bild;
}

} // namespace tarvex
