#include "BandList.h"

#include <array>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const std::array<BandInfo, 11>& bandTable()
{
    static const std::array<BandInfo, 11> bands = { {
        { u"50MHz"_s, u"50 MHz"_s, u"Band11"_s },
        { u"144MHz"_s, u"144 MHz"_s, u"Band1"_s },
        { u"432MHz"_s, u"432 MHz"_s, u"Band2"_s },
        { u"1296MHz"_s, u"1,3 GHz"_s, u"Band3"_s },
        { u"2320MHz"_s, u"2,3 GHz"_s, u"Band4"_s },
        { u"3400MHz"_s, u"3,4 GHz"_s, u"Band5"_s },
        { u"5760MHz"_s, u"5,7 GHz"_s, u"Band6"_s },
        { u"10368MHz"_s, u"10 GHz"_s, u"Band7"_s },
        { u"24192MHz"_s, u"24 GHz"_s, u"Band8"_s },
        { u"47088MHz"_s, u"47 GHz"_s, u"Band9"_s },
        { u"76032MHz"_s, u"76 GHz"_s, u"Band10"_s },
    } };
    return bands;
}

} // namespace

std::span<const BandInfo> alleBänder()
{
    return bandTable();
}

const BandInfo* findeBand(QStringView tabelle)
{
    for (const BandInfo& band : bandTable()) {
        if (band.tabelle.compare(tabelle, Qt::CaseInsensitive) == 0)
            return &band;
    }
    return nullptr;
}

bool istBandTabelle(QStringView name)
{
    return findeBand(name) != nullptr;
}

QString bandAnzeige(const QString& text)
{
    if (text.isEmpty() || text.endsWith(u" MHz"))
        return text;
    return text.left(std::max<qsizetype>(0, text.size() - 3)) + u" MHz";
}

} // namespace tarvex
