#include "RecordingPrinterSurface.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
constexpr double mmProPunkt = 25.4 / 72;
// Courier New: advance 1229 and ascent plus descent 2320 units of 2048 per em.
constexpr double breiteProGröße = 0.6;
constexpr double höheProGröße = 2320.0 / 2048.0;

QString mm(double wert)
{
    return QString::number(wert, 'f', 2);
}

QString punkt(QPointF p)
{
    return u'(' + mm(p.x()) + u", "_s + mm(p.y()) + u')';
}
} // namespace

RecordingPrinterSurface::RecordingPrinterSurface(double randMm)
    : PrinterSurface(QSizeF(210, 297))
    , rand_(randMm)
{
}

double RecordingPrinterSurface::zeichenbreiteMm(float punkte)
{
    return punkte * breiteProGröße * mmProPunkt;
}

double RecordingPrinterSurface::zeilenhöheMm(float punkte)
{
    return punkte * höheProGröße * mmProPunkt;
}

PrinterSurface::Maße RecordingPrinterSurface::maße(const Schrift& schrift) const
{
    return { zeichenbreiteMm(schrift.größe), zeilenhöheMm(schrift.größe) };
}

double RecordingPrinterSurface::textbreite(const Schrift& schrift, const QString& text) const
{
    return text.size() * zeichenbreiteMm(schrift.größe);
}

double RecordingPrinterSurface::druckhöhe(QSizeF papierMm) const
{
    return papierMm.height() - 2 * rand_;
}

void RecordingPrinterSurface::dokumentBeginnen()
{
    ++dokument_;
    seite_ = 1;
    notiere(Eintrag::Art::Dokument);
}

void RecordingPrinterSurface::seiteBeginnen()
{
    ++seite_;
    notiere(Eintrag::Art::Seite);
}

void RecordingPrinterSurface::dokumentAbschließen()
{
    notiere(Eintrag::Art::Ende);
}

void RecordingPrinterSurface::zeichneText(QPointF oben, const Schrift& schrift, const QString& text)
{
    notiere(Eintrag::Art::Text, oben, {}, schrift, text);
}

void RecordingPrinterSurface::zeichneLinie(QPointF von, QPointF bis, Linienart art)
{
    notiere(art == Linienart::Rechteck ? Eintrag::Art::Rechteck : Eintrag::Art::Linie, von, bis);
}

void RecordingPrinterSurface::notiere(
    Eintrag::Art art, QPointF von, QPointF bis, const Schrift& schrift, const QString& text)
{
    einträge_.append({ art, dokument_, seite_, von, bis, schrift, text });
}

QString RecordingPrinterSurface::zeile(const Eintrag& e)
{
    const QString wo = QString::number(e.dokument) + u'.' + QString::number(e.seite);
    switch (e.art) {
    case Eintrag::Art::Dokument:
        return u"Dokument "_s + QString::number(e.dokument);
    case Eintrag::Art::Seite:
        return u"Seite "_s + wo;
    case Eintrag::Art::Ende:
        return u"Ende "_s + QString::number(e.dokument);
    case Eintrag::Art::Linie:
        return u"Linie "_s + wo + u' ' + punkt(e.von) + u'-' + punkt(e.bis);
    case Eintrag::Art::Rechteck:
        return u"Rechteck "_s + wo + u' ' + punkt(e.von) + u'-' + punkt(e.bis);
    case Eintrag::Art::Text:
        break;
    }
    QString schrift = e.schrift.name + u' ' + QString::number(e.schrift.größe);
    if (e.schrift.fett)
        schrift += u" fett"_s;
    if (e.schrift.kursiv)
        schrift += u" kursiv"_s;
    return u"Text "_s + wo + u' ' + punkt(e.von) + u' ' + schrift + u": \""_s + e.text + u'"';
}

QStringList RecordingPrinterSurface::protokoll() const
{
    QStringList zeilen;
    for (const Eintrag& e : einträge_)
        zeilen.append(zeile(e));
    return zeilen;
}

QStringList RecordingPrinterSurface::texte(int dokument, int seite) const
{
    QStringList result;
    for (const Eintrag& e : einträge_)
        if (e.art == Eintrag::Art::Text && e.dokument == dokument && e.seite == seite)
            result.append(e.text);
    return result;
}

int RecordingPrinterSurface::abgeschlosseneDokumente() const
{
    return int(std::count_if(
        einträge_.begin(), einträge_.end(), [](const Eintrag& e) { return e.art == Eintrag::Art::Ende; }));
}

int RecordingPrinterSurface::seiten(int dokument) const
{
    int n = 0;
    for (const Eintrag& e : einträge_)
        if (e.dokument == dokument && (e.art == Eintrag::Art::Dokument || e.art == Eintrag::Art::Seite))
            ++n;
    return n;
}

} // namespace tarvex
