#include "LogList.h"

#include "store/ContestDatabase.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype kSeite = 128;
constexpr qsizetype kSeitenImSpeicher = 32;
} // namespace

LogList::LogList(QObject* parent)
    : QAbstractTableModel(parent)
{
}

LogList::~LogList() = default;

void LogList::setQuelle(ContestDatabase* db, const QString& band)
{
    beginResetModel();
    db_ = db;
    band_ = band;
    filter_ = Filter::Alle;
    seiten_.clear();
    gefiltert_.clear();
    gefiltertIds_.clear();
    alle_.clear();
    spalten_.clear();
    if (db_ != nullptr && !band_.isEmpty()) {
        try {
            spalten_ = db_->spalten(band_);
            alle_ = db_->rowids(band_);
        } catch (...) {
            endResetModel();
            throw;
        }
    }
    endResetModel();
}

void LogList::zeigeAlle()
{
    beginResetModel();
    filter_ = Filter::Alle;
    gefiltert_.clear();
    gefiltertIds_.clear();
    endResetModel();
}

void LogList::gefiltert(Filter filter, QList<LogZeile> zeilen)
{
    beginResetModel();
    filter_ = filter;
    gefiltert_.clear();
    gefiltertIds_.clear();
    for (LogZeile& z : zeilen) {
        gefiltertIds_.append(z.rowid);
        gefiltert_.append(std::move(z.werte));
    }
    endResetModel();
}

void LogList::zeigeSuche(const QString& muster)
{
    gefiltert(Filter::Suche, db_ != nullptr ? db_->suchen(band_, muster) : QList<LogZeile>());
}

void LogList::zeigeFrühere(const QString& kernCall, const QString& locator)
{
    gefiltert(Filter::Frühere, db_ != nullptr ? db_->frühere(band_, kernCall, locator) : QList<LogZeile>());
}

void LogList::angehängt(qint64 rowid)
{
    // The cached page of the new row is short by one whatever the grid shows now:
    // a filtered list goes back to all contacts without reading the band again.
    const int n = static_cast<int>(alle_.size());
    seiten_.remove(n / kSeite);
    if (filter_ != Filter::Alle) {
        alle_.append(rowid);
        return;
    }
    beginInsertRows({}, n, n);
    alle_.append(rowid);
    endInsertRows();
}

void LogList::letzterEntfernt()
{
    if (alle_.isEmpty())
        return;
    const int n = static_cast<int>(alle_.size()) - 1;
    if (filter_ == Filter::Alle)
        beginRemoveRows({}, n, n);
    alle_.removeLast();
    seiten_.remove(n / kSeite);
    if (filter_ == Filter::Alle)
        endRemoveRows();
}

void LogList::geändert(qint64 rowid)
{
    // The rowids are in stored order, so the row is found by halving.
    const auto it = std::lower_bound(alle_.cbegin(), alle_.cend(), rowid);
    if (it == alle_.cend() || *it != rowid)
        return;
    const int i = static_cast<int>(it - alle_.cbegin());
    seiten_.remove(i / kSeite);
    if (filter_ == Filter::Alle)
        emit dataChanged(index(i, 0), index(i, columnCount() - 1));
}

const QVariantList* LogList::zeile(int row) const
{
    if (filter_ != Filter::Alle)
        return row >= 0 && row < gefiltert_.size() ? &gefiltert_[row] : nullptr;
    if (row < 0 || row >= alle_.size() || db_ == nullptr)
        return nullptr;
    const qsizetype seite = row / kSeite;
    auto it = seiten_.find(seite);
    if (it == seiten_.end()) {
        if (seiten_.size() >= kSeitenImSpeicher)
            seiten_.clear();
        const qsizetype von = seite * kSeite;
        const qsizetype bis = std::min(alle_.size(), von + kSeite) - 1;
        QList<QVariantList> werte;
        try {
            const QList<LogZeile> gelesen = db_->zeilen(band_, alle_[von], alle_[bis]);
            // Matched by rowid: a row that vanished meanwhile shows empty, never shifted.
            QHash<qint64, const QVariantList*> nachId;
            for (const LogZeile& z : gelesen)
                nachId.insert(z.rowid, &z.werte);
            for (qsizetype i = von; i <= bis; ++i) {
                const QVariantList* w = nachId.value(alle_[i]);
                werte.append(w != nullptr ? *w : QVariantList());
            }
        } catch (const std::exception&) {
            // A grid must not throw while painting; the next read tries again.
            return nullptr;
        }
        it = seiten_.insert(seite, std::move(werte));
    }
    return &it.value()[row - seite * kSeite];
}

qint64 LogList::rowidAt(int row) const
{
    if (filter_ != Filter::Alle)
        return gefiltertIds_.value(row, -1);
    return alle_.value(row, -1);
}

QVariant LogList::wert(int row, const QString& feld) const
{
    const qsizetype column = spalten_.indexOf(feld);
    const QVariantList* z = zeile(row);
    if (z == nullptr || column < 0)
        return {};
    return z->value(column);
}

int LogList::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(filter_ == Filter::Alle ? alle_.size() : gefiltert_.size());
}

int LogList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(spalten_.size());
}

QVariant LogList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QVariantList* z = zeile(index.row());
    if (z == nullptr)
        return {};
    const QVariant& v = z->value(index.column());
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
