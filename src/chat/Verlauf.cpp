#include "Verlauf.h"

namespace tarvex {

void Verlauf::anhängen(const QString& text, bool erwähnt)
{
    if (zeilen_.size() >= kHöchstens) {
        beginRemoveRows({}, 0, 0);
        zeilen_.pop_front();
        endRemoveRows();
    }
    const int n = static_cast<int>(zeilen_.size());
    beginInsertRows({}, n, n);
    zeilen_.push_back({ text, erwähnt });
    endInsertRows();
}

int Verlauf::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant Verlauf::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Zeile& z = zeilen_.at(static_cast<size_t>(index.row()));
    if (role == Qt::DisplayRole)
        return z.text;
    if (role == ErwaehntRolle)
        return z.erwähnt;
    return {};
}

} // namespace tarvex
