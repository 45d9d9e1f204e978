#include "Spot.h"

#include "Textmuster.h"
#include "station/Frequenzband.h"
#include "store/BandList.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// "144300.0", "10368100", "50313.5": kHz with up to three decimals. Nine whole
// digits reach 999 GHz; more cannot be a frequency and would overflow.
std::optional<qint64> hertzAusKhz(QStringView text)
{
    const qsizetype punkt = text.indexOf(u'.');
    const QStringView ganz = punkt < 0 ? text : text.left(punkt);
    const QStringView teil = punkt < 0 ? QStringView() : text.mid(punkt + 1);
    if (ganz.isEmpty() || ganz.size() > 9 || teil.size() > 3)
        return std::nullopt;
    qint64 hz = 0;
    for (QChar c : ganz) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        hz = hz * 10 + (c.unicode() - u'0');
    }
    hz *= 1000;
    qint64 stelle = 100;
    for (QChar c : teil) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        hz += (c.unicode() - u'0') * stelle;
        stelle /= 10;
    }
    return hz;
}

bool istZeit(QStringView w)
{
    if (w.size() != 5 || w[4] != u'Z')
        return false;
    for (int i = 0; i < 4; ++i) {
        if (w[i] < u'0' || w[i] > u'9')
            return false;
    }
    return w.left(2).toInt() < 24 && w.mid(2, 2).toInt() < 60;
}

} // namespace

std::optional<Spot> spotLesen(QStringView zeile)
{
    QStringView t = zeile.trimmed();
    if (!t.startsWith(u"DX de "_s, Qt::CaseInsensitive))
        return std::nullopt;
    t = t.mid(6).trimmed();
    const qsizetype doppelpunkt = t.indexOf(u':');
    if (doppelpunkt <= 0 || t.left(doppelpunkt).contains(u' '))
        return std::nullopt;
    Spot s;
    s.spotter = t.left(doppelpunkt).toString().toUpper();
    t = t.mid(doppelpunkt + 1).trimmed();

    qsizetype raum = t.indexOf(u' ');
    if (raum < 0)
        return std::nullopt;
    const std::optional<qint64> hz = hertzAusKhz(t.left(raum));
    if (!hz || *hz == 0)
        return std::nullopt;
    s.hertz = *hz;
    t = t.mid(raum).trimmed();

    raum = t.indexOf(u' ');
    const QStringView call = raum < 0 ? t : t.left(raum);
    const QString dxCall = call.toString().toUpper();
    if (!istRufzeichen(dxCall))
        return std::nullopt;
    s.dxCall = dxCall;
    t = raum < 0 ? QStringView() : t.mid(raum).trimmed();

    // The time is the last "hhmmZ" word; what follows it is the spotter's locator.
    qsizetype zeitAb = -1;
    for (qsizetype i = t.size() - 5; i >= 0; --i) {
        if ((i == 0 || t[i - 1] == u' ') && (i + 5 == t.size() || t[i + 5] == u' ') && istZeit(t.mid(i, 5))) {
            zeitAb = i;
            break;
        }
    }
    if (zeitAb < 0)
        return std::nullopt;
    s.zeit = t.mid(zeitAb, 4).toString();
    s.kommentar = t.left(zeitAb).trimmed().toString();
    s.locator = locatorIn(s.kommentar);
    if (const BandInfo* b = bandZurFrequenz(s.hertz))
        s.band = b->tabelle;
    return s;
}

} // namespace tarvex
