#include "Textkarte.h"

#include "KartenZeichner.h"

#include <QPainter>

namespace tarvex {

namespace {

constexpr int kRand = 2;

QColor hintergrundFür(int farbe)
{
    // Yellow and dark red are the counts' colours; a background makes them readable.
    if (farbe == LocatorTextModel::kGelb)
        return Qt::black;
    if (farbe == LocatorTextModel::kDunkelrot)
        return KartenZeichner::farbe(LocatorTextModel::kGelb);
    return Qt::white;
}

} // namespace

Textkarte::Textkarte(QWidget* parent)
    : QWidget(parent)
{
    QFont schrift;
    schrift.setFamilies({ QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
        QStringLiteral("DejaVu Sans Mono") });
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setPointSizeF(8.25);
    setFont(schrift);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Textkarte::setZeilen(const QList<QList<LocatorTextModel::Zelle>>& zeilen)
{
    zeilen_ = zeilen;
    spalten_ = 0;
    for (const auto& zeile : zeilen_) {
        int n = 0;
        for (const LocatorTextModel::Zelle& z : zeile)
            n += int(z.text.size());
        spalten_ = std::max(spalten_, n);
    }
    updateGeometry();
    // The whole map is always in view: the box takes the size of its text.
    setFixedSize(sizeHint());
    update();
}

QSize Textkarte::sizeHint() const
{
    const QFontMetrics fm(font());
    return { fm.horizontalAdvance(QLatin1Char('M')) * spalten_ + 2 * kRand,
        fm.lineSpacing() * int(zeilen_.size()) + 2 * kRand };
}

void Textkarte::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QFontMetrics fm(font());
    const int breite = fm.horizontalAdvance(QLatin1Char('M'));
    const int höhe = fm.lineSpacing();
    for (int r = 0; r < zeilen_.size(); ++r) {
        int x = kRand;
        const int y = kRand + r * höhe;
        for (const LocatorTextModel::Zelle& z : zeilen_[r]) {
            // The blank after the cell stays on the window's background.
            const QString inhalt = z.text.chopped(1);
            const QRect feld(x, y, breite * int(inhalt.size()), höhe);
            p.fillRect(feld, hintergrundFür(z.farbe));
            p.setPen(KartenZeichner::farbe(z.farbe));
            p.drawText(feld, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, inhalt);
            x += breite * int(z.text.size());
        }
    }
}

QString Textkarte::text() const
{
    QStringList zeilen;
    for (const auto& zeile : zeilen_) {
        QString t;
        for (const LocatorTextModel::Zelle& z : zeile)
            t += z.text;
        zeilen.append(t);
    }
    return zeilen.join(u'\n');
}

const LocatorTextModel::Zelle* Textkarte::zelle(int r, int x, bool* leerzeichen) const
{
    if (r < 0 || r >= zeilen_.size())
        return nullptr;
    for (const LocatorTextModel::Zelle& z : zeilen_[r]) {
        if (x < z.text.size()) {
            *leerzeichen = x == z.text.size() - 1;
            return &z;
        }
        x -= int(z.text.size());
    }
    return nullptr;
}

QColor Textkarte::schrift(int r, int x) const
{
    bool leer = false;
    const LocatorTextModel::Zelle* z = zelle(r, x, &leer);
    return z && !leer ? KartenZeichner::farbe(z->farbe) : QColor(Qt::black);
}

QColor Textkarte::hintergrund(int r, int x) const
{
    bool leer = false;
    const LocatorTextModel::Zelle* z = zelle(r, x, &leer);
    return z && !leer ? hintergrundFür(z->farbe) : QColor(Qt::white);
}

} // namespace tarvex
