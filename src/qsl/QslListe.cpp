#include "QslListe.h"

#include <algorithm>
#include <limits>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype kSeite = 256;
constexpr qsizetype kSeitenHöchstens = 64;
} // namespace

QslListe::QslListe(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void QslListe::setAuswahl(const QList<QslAbfrage::Marke>& erste, Marken weitere, Texte texte)
{
    beginResetModel();
    rowids_.clear();
    häkchen_.clear();
    rowids_.reserve(erste.size());
    häkchen_.reserve(erste.size());
    for (const QslAbfrage::Marke& m : erste) {
        rowids_.append(m.rowid);
        häkchen_.append(m.qsl);
    }
    marken_ = std::move(weitere);
    texte_ = std::move(texte);
    seiten_.clear();
    ende_ = !marken_ || erste.size() < kStapel;
    endResetModel();
}

void QslListe::anhängen(qsizetype höchstens)
{
    if (ende_)
        return;
    const QList<QslAbfrage::Marke> neu = marken_(rowids_.isEmpty() ? 0 : rowids_.last(), höchstens);
    ende_ = neu.size() < höchstens;
    if (neu.isEmpty())
        return;
    beginInsertRows({}, int(rowids_.size()), int(rowids_.size() + neu.size()) - 1);
    for (const QslAbfrage::Marke& m : neu) {
        rowids_.append(m.rowid);
        häkchen_.append(m.qsl);
    }
    endInsertRows();
}

bool QslListe::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !ende_;
}

void QslListe::fetchMore(const QModelIndex& parent)
{
    if (!parent.isValid())
        anhängen(kStapel);
}

void QslListe::alleLesen()
{
    anhängen(std::numeric_limits<int>::max());
}

void QslListe::setHäkchen(int row, bool an)
{
    if (row < 0 || row >= häkchen_.size() || häkchen_[row] == an)
        return;
    häkchen_[row] = an;
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, { Qt::CheckStateRole });
}

void QslListe::alleSetzen(QslAbfrage::Markierung art)
{
    using M = QslAbfrage::Markierung;
    for (auto& h : häkchen_)
        h = art == M::Setzen ? true : art == M::Löschen ? false : !h;
    if (!häkchen_.isEmpty())
        emit dataChanged(index(0, 0), index(int(häkchen_.size()) - 1, 0), { Qt::CheckStateRole });
}

const QslAbfrage::Anzeige* QslListe::anzeige(int row) const
{
    if (!texte_)
        return nullptr;
    const qsizetype nr = row / kSeite;
    auto it = seiten_.find(nr);
    if (it == seiten_.end()) {
        if (seiten_.size() >= kSeitenHöchstens)
            seiten_.clear();
        const qsizetype von = nr * kSeite;
        const qsizetype bis = std::min(rowids_.size(), von + kSeite) - 1;
        // Entries are matched by rowid: a contact gone in between shows empty.
        const QList<QslAbfrage::Anzeige> gelesen = texte_(rowids_[von], rowids_[bis]);
        QList<QslAbfrage::Anzeige> seite(bis - von + 1);
        qsizetype j = 0;
        for (qsizetype i = von; i <= bis; ++i) {
            while (j < gelesen.size() && gelesen[j].rowid < rowids_[i])
                ++j;
            if (j < gelesen.size() && gelesen[j].rowid == rowids_[i])
                seite[i - von] = gelesen[j];
        }
        it = seiten_.insert(nr, std::move(seite));
    }
    return &(*it)[row % kSeite];
}

int QslListe::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rowids_.size());
}

int QslListe::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant QslListe::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowids_.size())
        return {};
    if (role == Qt::CheckStateRole && index.column() == 0)
        return häkchen_[index.row()] ? Qt::Checked : Qt::Unchecked;
    // Numbers line up on their last digit.
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const QslAbfrage::Anzeige* e = anzeige(index.row());
    if (!e)
        return {};
    switch (index.column()) {
    case 0:
        return e->rufzeichen;
    case 1:
        return e->nummer;
    case 2:
        return e->punkte;
    }
    return {};
}

bool QslListe::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 || index.row() >= rowids_.size())
        return false;
    const bool an = value.toInt() == Qt::Checked;
    if (an == häkchen_[index.row()])
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
