#include "SpotTabelle.h"

#include "station/Frequenzband.h"

namespace tarvex {

using namespace Qt::StringLiterals;

void SpotTabelle::anhängenOhneAnzeige(const Spot& s)
{
    if (alle_.size() >= kHöchstens) {
        ClusterSpot* ältester = &alle_.front();
        // The oldest is the last row shown, if it is shown at all.
        if (!gezeigt_.isEmpty() && gezeigt_.back() == ältester) {
            const int letzte = static_cast<int>(gezeigt_.size()) - 1;
            beginRemoveRows({}, letzte, letzte);
            gezeigt_.removeLast();
            endRemoveRows();
        }
        alle_.pop_front();
    }
    alle_.push_back({ s });
}

int SpotTabelle::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(gezeigt_.size());
}

int SpotTabelle::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kSpalten;
}

QVariant SpotTabelle::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const ClusterSpot& c = *gezeigt_.at(index.row());
    switch (index.column()) {
    case Zeit:
        return c.spot.zeit;
    case Frequenz:
        return frequenzText(c.spot.hertz);
    case Rufzeichen:
        return c.spot.dxCall;
    case Locator:
        return c.spot.locator;
    case Km:
        return c.km < 0 ? QString() : QString::number(c.km);
    case Qso:
        return c.gearbeitet ? u"\u2713"_s : QString();
    case Spotter:
        return c.spot.spotter;
    case Kommentar:
        return c.spot.kommentar;
    default:
        return {};
    }
}

QVariant SpotTabelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString titel[kSpalten] = { u"Zeit"_s, u"Frequenz"_s, u"Rufzeichen"_s, u"QSO"_s, u"km"_s,
        u"Locator"_s, u"Spotter"_s, u"Kommentar"_s };
    return section >= 0 && section < kSpalten ? titel[section] : QString();
}

} // namespace tarvex
