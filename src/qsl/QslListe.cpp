#include "QslListe.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QslListe::QslListe(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void QslListe::setEinträge(QList<Eintrag> einträge)
{
    beginResetModel();
    einträge_ = std::move(einträge);
    endResetModel();
}

void QslListe::setHäkchen(int row, bool an)
{
    if (row < 0 || row >= einträge_.size() || einträge_[row].häkchen == an)
        return;
    einträge_[row].häkchen = an;
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, { Qt::CheckStateRole });
}

int QslListe::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(einträge_.size());
}

int QslListe::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant QslListe::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= einträge_.size())
        return {};
    const Eintrag& e = einträge_[index.row()];
    if (role == Qt::CheckStateRole && index.column() == 0)
        return e.häkchen ? Qt::Checked : Qt::Unchecked;
    // Numbers line up on their last digit.
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return e.rufzeichen;
    case 1:
        return e.nummer;
    case 2:
        return e.punkte;
    }
    return {};
}

bool QslListe::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 || index.row() >= einträge_.size())
        return false;
    const bool an = value.toInt() == Qt::Checked;
    if (an == einträge_[index.row()].häkchen)
        return false;
    setHäkchen(index.row(), an);
    if (klick_)
        klick_(index.row(), an);
    return true;
}

Qt::ItemFlags QslListe::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant QslListe::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return u"Rufzeichen"_s;
    case 1:
        return u"Nr."_s;
    case 2:
        return u"Entfernung"_s;
    }
    return {};
}

} // namespace tarvex
