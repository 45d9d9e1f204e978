#include "LocatorsucheModel.h"

#include "common/Grossschreibung.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/ContestDat.h"

namespace tarvex {

using namespace Qt::StringLiterals;

LocatorsucheModel::LocatorsucheModel(ContestDat& contestDat, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent)
    , contestDat_(contestDat)
    , prompter_(prompter)
{
}

void LocatorsucheModel::setTxtLocator(const QString& text)
{
    txtLocator_ = großschreiben(text);
}

void LocatorsucheModel::suchen()
{
    QList<std::pair<QString, QString>> gefunden;
    try {
        gefunden = contestDat_.stationenMitLocator(txtLocator_);
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
    }
    beginResetModel();
    stationen_ = std::move(gefunden);
    endResetModel();
}

int LocatorsucheModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(stationen_.size());
}

int LocatorsucheModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant LocatorsucheModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= stationen_.size())
        return {};
    const auto& [call, locators] = stationen_[index.row()];
    return index.column() == 0 ? call : locators;
}

QVariant LocatorsucheModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section == 0 ? u"Rufzeichen"_s : u"Locator"_s;
}

} // namespace tarvex
