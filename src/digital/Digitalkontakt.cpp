#include "Digitalkontakt.h"

#include "common/Grossschreibung.h"
#include "store/QsoRecord.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

bool nurZiffern(QStringView t)
{
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString ohneLeerzeichen(const QString& t)
{
    QString s = t.trimmed();
    s.remove(u' ');
    return s;
}

} // namespace

std::optional<RapportUndNummer> austauschTeilen(const QString& austausch)
{
    // The exchange may carry the locator behind the numbers; it is its own field.
    const QStringList teile = austausch.split(u' ', Qt::SkipEmptyParts);
    QString zahlen;
    for (const QString& t : teile) {
        if (!nurZiffern(t))
            break;
        zahlen += t;
    }
    // Two digits of report (RS) and at least three of serial number.
    if (zahlen.size() < 5 || zahlen.size() > 8)
        return std::nullopt;
    return RapportUndNummer { zahlen.left(2), zahlen.mid(2) };
}

Digitalkontakt Digitalkontakt::aus(const wsjtx::Kontakt& k)
{
    Digitalkontakt d;
    d.call = großschreiben(ohneLeerzeichen(k.dxCall)).left(kRufzeichenBreite);
    d.locator = großschreiben(ohneLeerzeichen(k.dxGrid)).left(6);
    d.mode = ohneLeerzeichen(k.mode).left(kKommentarBreite);
    d.frequenz = k.frequenz;
    if (const std::optional<RapportUndNummer> g = austauschTeilen(k.austauschGesendet)) {
        d.rstGeg = g->rapport;
        d.nummerGeg = g->nummer;
    } else {
        d.rstGeg = ohneLeerzeichen(k.rapportGesendet).left(3);
    }
    if (const std::optional<RapportUndNummer> e = austauschTeilen(k.austauschErhalten))
        d.rstErh = e->rapport + e->nummer;
    else
        d.rstErh = ohneLeerzeichen(k.rapportErhalten).left(7);
    const QDateTime utc = k.zeitEnde.toUTC();
    d.datum = utc.toString(u"dd.MM.yy"_s);
    d.zeit = utc.toString(u"hh:mm"_s);
    d.schlüssel = d.call + u'|' + QString::number(utc.toSecsSinceEpoch()) + u'|' + d.mode;
    return d;
}

QString Digitalkontakt::bezeichnung() const
{
    QString t = (mode.isEmpty() ? u"Digital"_s : mode) + u": "_s + call;
    if (!locator.isEmpty())
        t += u' ' + locator;
    return t;
}

} // namespace tarvex
