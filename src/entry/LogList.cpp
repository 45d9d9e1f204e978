#include "LogList.h"

#include "store/ContestDatabase.h"

namespace tarvex {

using namespace Qt::StringLiterals;

LogList::LogList(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void LogList::setQuelle(ContestDatabase* db, const QString& band)
{
    db_ = db;
    band_ = band;
    zeigeAlle();
}

void LogList::zeigeAlle()
{
    filter_ = Filter::Alle;
    werte_.clear();
    aktualisieren();
}

void LogList::zeigeSuche(const QString& muster)
{
    filter_ = Filter::Suche;
    werte_ = {muster, muster};
    aktualisieren();
}

void LogList::zeigeFrühere(const QString& kernCall, const QString& locator)
{
    filter_ = Filter::Fruehere;
    werte_ = {kernCall, locator};
    aktualisieren();
}

void LogList::aktualisieren()
{
    beginResetModel();
    spalten_.clear();
    rowids_.clear();
    zeilen_.clear();
    if (db_ != nullptr && !band_.isEmpty()) {
        QString sql = u"SELECT rowid,* FROM "_s + quoteIdentifier(band_);
        switch (filter_) {
        case Filter::Alle:
            break;
        case Filter::Suche:
            sql += u" WHERE Rufzeichen LIKE ? OR Locator LIKE ?"_s;
            break;
        case Filter::Fruehere:
            sql += u" WHERE (KernCall LIKE ? OR Locator LIKE ?) AND VAL(Punkte)>0"_s;
            break;
        }
        sql += u" ORDER BY rowid"_s;
        try {
            Rows rows = db_->connection().select(sql, werte_);
            spalten_ = rows.spalten.mid(1);
            zeilen_.reserve(rows.zeilen.size());
            rowids_.reserve(rows.zeilen.size());
            for (QVariantList& row : rows.zeilen) {
                rowids_.append(row.takeFirst().toLongLong());
                zeilen_.append(std::move(row));
            }
        } catch (...) {
            endResetModel();
            throw;
        }
    }
    endResetModel();
}

qint64 LogList::rowidAt(int row) const
{
    return rowids_.value(row, -1);
}

QVariant LogList::wert(int row, const QString& feld) const
{
    const qsizetype column = spalten_.indexOf(feld);
    if (row < 0 || row >= zeilen_.size() || column < 0)
        return {};
    return zeilen_[row].value(column);
}

int LogList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int LogList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(spalten_.size());
}

QVariant LogList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zeilen_.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QVariant& v = zeilen_[index.row()].value(index.column());
    if (spalten_.value(index.column()) == u"QSL"_s)
        return v.toInt() != 0 ? u"Ja"_s : u"Nein"_s;
    return v;
}

QVariant LogList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role == Qt::DisplayRole)
        return spalten_.value(section);
    return {};
}

} // namespace tarvex
