#include "Wertung.h"

#include "common/Val.h"
#include "store/ContestDatabase.h"
#include "store/Gueltigkeit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvex {

namespace {

// The engine's NOCASE: only ASCII letters fold.
QString schlüssel(const QString& text)
{
    // Stored countries and squares are upper case: then the text itself is the key, no copy.
    const auto klein = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (std::none_of(text.begin(), text.end(), klein))
        return text;
    QString s = text;
    for (QChar& c : s) {
        if (klein(c))
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return s;
}

// A blank or empty country or square is not counted (invalid or without country data).
bool gezählt(const QString& text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return true;
    }
    return false;
}

// True when the count went from none to one.
bool zählen(QHash<QString, qint64>& zähler, const QString& text, qint64 schritt)
{
    if (!gezählt(text))
        return false;
    // One hash look-up while the count stays positive: opening a band counts every contact twice.
    const QString key = schlüssel(text);
    qint64& n = zähler[key];
    n += schritt;
    if (n <= 0)
        zähler.remove(key);
    return schritt > 0 && n == schritt;
}

void gruppieren(QHash<QString, Gruppensumme>& gruppen, const QString& name, double punkte, qint64 schritt)
{
    const QString key = schlüssel(name);
    Gruppensumme& g = gruppen[key];
    if (g.anzahl == 0)
        g.name = name;
    g.anzahl += schritt;
    g.punkte += schritt * punkte;
    if (g.anzahl <= 0)
        gruppen.remove(key);
}

bool vorRowid(const std::pair<qint64, Entfernung>& eintrag, qint64 rowid)
{
    return eintrag.first < rowid;
}

bool ortVorRowid(const Kontaktort& ort, qint64 rowid)
{
    return ort.rowid < rowid;
}

Kontaktort ort(qint64 rowid, const QString& locator)
{
    Kontaktort o { rowid, {} };
    if (locator.size() != static_cast<qsizetype>(o.locator.size()))
        return o;
    for (std::size_t i = 0; i < o.locator.size(); ++i) {
        const char16_t c = locator[static_cast<qsizetype>(i)].unicode();
        if (c == 0 || c > 127)
            return { rowid, {} };
        o.locator[i] = static_cast<char>(c);
    }
    return o;
}

// The maximum as the engine hands it back as text, for the Punkte comparison.
QString alsText(double wert)
{
    return std::trunc(wert) == wert && std::abs(wert) < 9.0e15 ? QString::number(static_cast<qint64>(wert))
                                                               : QString::number(wert, 'g', 17);
}

} // namespace

QString Wertung::zählSchlüssel(const QString& text)
{
    return gezählt(text) ? schlüssel(text) : QString();
}

Wertung Wertung::aus(ContestDatabase& db, const QString& band)
{
    Wertung w;
    db.jedeWertungsZeile(band, [&](const WertungsZeile& z) { w.hinzufügen(z); });
    return w;
}

Wertung::Neu Wertung::hinzufügen(const WertungsZeile& z)
{
    ++anzahl_;
    const Neu neu { zählen(länder_, z.land, 1), zählen(großfelder_, z.square, 1) };
    // A save comes last; a changed contact goes back to its place.
    const auto ortStelle = orte_.empty() || orte_.back().rowid < z.rowid
        ? orte_.end()
        : std::lower_bound(orte_.begin(), orte_.end(), z.rowid, ortVorRowid);
    if (ortStelle != orte_.end() && ortStelle->rowid == z.rowid)
        *ortStelle = ort(z.rowid, z.locator);
    else
        orte_.insert(ortStelle, ort(z.rowid, z.locator));
    if (!istGültig(z.punkte)) {
        ungültige_.insert_or_assign(z.rowid, Entfernung { z.punkte, z.rufzeichen });
        return neu;
    }
    ++gültige_;
    const double punkte = Val(z.punkte);
    summe_ += punkte;
    stundeZählen(z.zeit, punkte, 1);
    gruppieren(gültigeLänder_, z.land, punkte, 1);
    gruppieren(gültigeGroßfelder_, z.square, punkte, 1);
    Stufe& stufe = nachPunkten_[punkte];
    const auto stelle = std::lower_bound(stufe.begin(), stufe.end(), z.rowid, vorRowid);
    if (stelle != stufe.end() && stelle->first == z.rowid)
        stelle->second = { z.punkte, z.rufzeichen };
    else
        stufe.insert(stelle, { z.rowid, Entfernung { z.punkte, z.rufzeichen } });
    return neu;
}

void Wertung::entfernen(const WertungsZeile& z)
{
    --anzahl_;
    zählen(länder_, z.land, -1);
    zählen(großfelder_, z.square, -1);
    const auto ortStelle = std::lower_bound(orte_.begin(), orte_.end(), z.rowid, ortVorRowid);
    if (ortStelle != orte_.end() && ortStelle->rowid == z.rowid)
        orte_.erase(ortStelle);
    if (!istGültig(z.punkte)) {
        ungültige_.erase(z.rowid);
        return;
    }
    --gültige_;
    const double punkte = Val(z.punkte);
    summe_ -= punkte;
    stundeZählen(z.zeit, punkte, -1);
    gruppieren(gültigeLänder_, z.land, punkte, -1);
    gruppieren(gültigeGroßfelder_, z.square, punkte, -1);
    const auto it = nachPunkten_.find(punkte);
    if (it == nachPunkten_.end())
        return;
    Stufe& stufe = it->second;
    const auto stelle = std::lower_bound(stufe.begin(), stufe.end(), z.rowid, vorRowid);
    if (stelle != stufe.end() && stelle->first == z.rowid)
        stufe.erase(stelle);
    if (stufe.empty())
        nachPunkten_.erase(it);
}

Summen Wertung::summen() const
{
    Summen s;
    s.anzahl = anzahl_;
    s.gültige = gültige_;
    s.summe = summe_;
    s.länder = länder_.size();
    s.großfelder = großfelder_.size();
    if (nachPunkten_.empty())
        return s;
    const auto& [maximum, kontakte] = *nachPunkten_.rbegin();
    s.maximum = maximum;
    if (maximum > 0) {
        // The earliest contact whose stored text is the maximum itself ("0523" is not "523").
        const QString text = alsText(maximum);
        for (const auto& [rowid, eintrag] : kontakte) {
            if (eintrag.punkte == text) {
                s.odxCall = eintrag.rufzeichen;
                break;
            }
        }
    }
    return s;
}

QList<Gruppensumme> Wertung::gruppen(Gruppierung nach) const
{
    const QHash<QString, Gruppensumme>& quelle
        = nach == Gruppierung::Land ? gültigeLänder_ : gültigeGroßfelder_;
    QList<std::pair<QString, const Gruppensumme*>> geordnet;
    geordnet.reserve(quelle.size());
    for (auto it = quelle.cbegin(); it != quelle.cend(); ++it)
        geordnet.append({ it.key(), &it.value() });
    std::sort(
        geordnet.begin(), geordnet.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<Gruppensumme> result;
    result.reserve(geordnet.size());
    for (const auto& [key, g] : geordnet)
        result.append(*g);
    return result;
}

void Wertung::stundeZählen(const QString& zeit, double punkte, qint64 schritt)
{
    const int h = Stunde(zeit);
    if (h < 0 || h > 23)
        return;
    stunden_[h].anzahl += schritt;
    stunden_[h].punkte += schritt * punkte;
}

QList<Stundensumme> Wertung::stunden() const
{
    QList<Stundensumme> result;
    for (int h = 0; h < 24; ++h) {
        if (stunden_[h].anzahl > 0)
            result.append({ h, stunden_[h].anzahl, stunden_[h].punkte });
    }
    return result;
}

QList<Entfernung> Wertung::entfernungen(bool mitUngültigen) const
{
    QList<Entfernung> result;
    result.reserve(mitUngültigen ? anzahl_ : gültige_);
    auto u = ungültige_.cbegin();
    const auto ungültigeVor = [&](qint64 rowid) {
        for (; mitUngültigen && u != ungültige_.cend() && u->first < rowid; ++u)
            result.append(u->second);
    };
    constexpr qint64 alle = std::numeric_limits<qint64>::max();
    for (auto stufe = nachPunkten_.crbegin(); stufe != nachPunkten_.crend(); ++stufe) {
        if (stufe->first < 0)
            ungültigeVor(alle);
        for (const auto& [rowid, e] : stufe->second) {
            // Among the contacts of 0 points the invalid ones keep their stored place.
            if (stufe->first == 0)
                ungültigeVor(rowid);
            result.append(e);
        }
    }
    ungültigeVor(alle);
    return result;
}

} // namespace tarvex
