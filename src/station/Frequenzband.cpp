#include "Frequenzband.h"

#include "store/BandList.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

struct Grenzen {
    const char16_t* tabelle;
    qint64 vonMHz;
    qint64 bisMHz;
};

// Whole allocations, not the narrower contest segments: a rig anywhere in the
// band is on that band.
constexpr Grenzen kGrenzen[] = {
    { u"50MHz", 50, 54 },
    { u"144MHz", 144, 146 },
    { u"432MHz", 430, 440 },
    { u"1296MHz", 1240, 1300 },
    { u"2320MHz", 2300, 2450 },
    { u"3400MHz", 3300, 3500 },
    { u"5760MHz", 5650, 5850 },
    { u"10368MHz", 10000, 10500 },
    { u"24192MHz", 24000, 24250 },
    { u"47088MHz", 47000, 47200 },
    { u"76032MHz", 75500, 81000 },
};

} // namespace

const BandInfo* bandZurFrequenz(qint64 hertz)
{
    constexpr qint64 mega = 1'000'000;
    for (const Grenzen& g : kGrenzen) {
        if (hertz >= g.vonMHz * mega && hertz <= g.bisMHz * mega)
            return findeBand(QStringView(g.tabelle));
    }
    return nullptr;
}

QString frequenzText(qint64 hertz)
{
    const qint64 kilo = (hertz + 500) / 1000;
    return QString::number(kilo / 1000) + u',' + u"%1"_s.arg(kilo % 1000, 3, 10, QChar(u'0')) + u" MHz"_s;
}

} // namespace tarvex
