#include "NutzerTabelle.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

void NutzerTabelle::setzen(QList<ChatNutzer> nutzer)
{
    beginResetModel();
    nutzer_ = std::move(nutzer);
    sortieren();
    endResetModel();
}

void NutzerTabelle::setSortierung(Sortierung s)
{
    if (s == sortierung_)
        return;
    beginResetModel();
    sortierung_ = s;
    sortieren();
    endResetModel();
}

void NutzerTabelle::sortieren()
{
    const auto nachCall = [](const ChatNutzer& a, const ChatNutzer& b) { return a.call < b.call; };
    if (sortierung_ == Sortierung::Rufzeichen) {
        std::sort(nutzer_.begin(), nutzer_.end(), nachCall);
        return;
    }
    std::sort(nutzer_.begin(), nutzer_.end(), [&](const ChatNutzer& a, const ChatNutzer& b) {
        if (a.km != b.km)
            return a.km > b.km;
        return nachCall(a, b);
    });
}

int NutzerTabelle::zeileVon(const QString& call) const
{
    for (int i = 0; i < nutzer_.size(); ++i) {
        if (nutzer_.at(i).call == call)
            return i;
    }
    return -1;
}

int NutzerTabelle::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(nutzer_.size());
}

int NutzerTabelle::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kSpalten;
}

QVariant NutzerTabelle::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const ChatNutzer& n = nutzer_.at(index.row());
    switch (index.column()) {
    case Rufzeichen:
        return n.call;
    case Name:
        return n.name;
    case Locator:
        return n.locator;
    case Km:
        return n.km < 0 ? QString() : QString::number(n.km);
    case Richtung:
        return n.km < 0 ? QString() : QString::number(n.winkel) + u'°';
    case Qso:
        return n.gearbeitet ? u"\u2713"_s : QString();
    default:
        return {};
    }
}

QVariant NutzerTabelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString titel[kSpalten]
        = { u"Rufzeichen"_s, u"QSO"_s, u"km"_s, u"Richtung"_s, u"Locator"_s, u"Name"_s };
    return section >= 0 && section < kSpalten ? titel[section] : QString();
}

} // namespace tarvex
