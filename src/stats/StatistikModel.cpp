#include "StatistikModel.h"

#include "common/Prompter.h"
#include "common/UserError.h"
#include "common/Val.h"
#include "contest/OffenerContest.h"
#include "store/ContestDatabase.h"

#include <QCollator>
#include <QHash>
#include <algorithm>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// Country and square names in German alphabetical order (Ö with O), without regard to case.
const QCollator& namensfolge()
{
    static const QCollator collator = [] {
        QCollator c { QLocale(QLocale::German, QLocale::Germany) };
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

StatistikModel::StatistikModel(OffenerContest& contest, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent)
    , contest_(contest)
    , prompter_(prompter)
{
}

QString StatistikModel::beschriftung(Option option)
{
    switch (option) {
    case Option::Option1:
        return u"Länder nach Anzahl"_s;
    case Option::Option2:
        return u"Großfelder nach Anzahl"_s;
    case Option::Option3:
        return u"Entfernungen"_s;
    case Option::Option4:
        return u"Großfelder nach Punkten"_s;
    case Option::Option5:
        return u"Länder nach Punkten"_s;
    }
    return {};
}

StatistikModel::Option StatistikModel::nächste(Option option)
{
    switch (option) {
    case Option::Option1:
        return Option::Option2;
    case Option::Option2:
        return Option::Option4;
    case Option::Option4:
        return Option::Option5;
    case Option::Option5:
        return Option::Option3;
    case Option::Option3:
        return Option::Option1;
    }
    return Option::Option1;
}

void StatistikModel::laden()
{
    gewählt_ = Option::Option3;
    entfernungen(true);
}

void StatistikModel::wählen(Option option)
{
    gewählt_ = option;
    if (option == Option::Option3)
        entfernungen(false);
    else
        gruppen(option);
}

void StatistikModel::entfernungen(bool mitUngültigen)
{
    QList<Zeile> zeilen;
    if (contest_.db()) {
        // Moved, not copied: at 50,000 contacts every copy touches 100,000 texts once more.
        QList<Entfernung> liste = contest_.entfernungen(mitUngültigen);
        zeilen.reserve(liste.size());
        for (Entfernung& e : liste)
            zeilen.append(
                { { std::move(e.punkte), std::move(e.rufzeichen) }, static_cast<int>(zeilen.size()) });
    }
    zeigen({ u"Punkte"_s, u"Rufzeichen"_s }, std::move(zeilen), 0);
}

void StatistikModel::gruppen(Option option)
{
    if (contest_.db() == nullptr)
        return;
    const bool nachLand = option == Option::Option1 || option == Option::Option5;
    const bool nachPunkten = option == Option::Option4 || option == Option::Option5;
    QList<Gruppensumme> liste = contest_.gruppen(nachLand ? Gruppierung::Land : Gruppierung::Square);
    if (liste.isEmpty())
        return;

    const auto zahl
        = [nachPunkten](const Gruppensumme& g) { return nachPunkten ? qRound64(g.punkte) : g.anzahl; };
    std::stable_sort(liste.begin(), liste.end(), [&](const auto& a, const auto& b) {
        if (zahl(a) != zahl(b))
            return zahl(a) > zahl(b);
        return namensfolge().compare(a.name, b.name) < 0;
    });
    QList<Zeile> zeilen;
    zeilen.reserve(liste.size());
    // "Länder nach Punkten" names the country first; every other view the number.
    const bool nameZuerst = option == Option::Option5;
    for (const Gruppensumme& g : liste) {
        const QString z = QString::number(zahl(g));
        zeilen.append({ nameZuerst ? std::array { g.name, z } : std::array { z, g.name },
            static_cast<int>(zeilen.size()) });
    }
    const QString name = nachLand ? u"Länder"_s : u"Großfeld"_s;
    const QString wert = nachPunkten ? u"Punkte"_s : u"Anzahl"_s;
    zeigen(nameZuerst ? std::array { name, wert } : std::array { wert, name }, std::move(zeilen),
        nameZuerst ? 1 : 0);
}

void StatistikModel::zeigen(std::array<QString, 2> überschriften, QList<Zeile> zeilen, int zahlenSpalte)
{
    beginResetModel();
    überschriften_ = std::move(überschriften);
    zeilen_ = std::move(zeilen);
    zahlenSpalte_ = zahlenSpalte;
    endResetModel();
}

QString StatistikModel::kopieren() const
{
    QString text;
    const auto zeile = [&text](const std::array<QString, 2>& zellen) {
        text += zellen[0] + u'\t' + zellen[1] + u"\t\r\n"_s;
    };
    zeile(überschriften_);
    for (const Zeile& z : zeilen_)
        zeile(z.zellen);
    return text;
}

int StatistikModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int StatistikModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StatistikModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zeilen_.size() || index.column() > 1)
        return {};
    if (role == Qt::DisplayRole)
        return zeilen_[index.row()].zellen[static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant StatistikModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return überschriften_[static_cast<size_t>(section)];
    // A first click on a number column puts the largest first.
    if (role == Qt::InitialSortOrderRole)
        return section == zahlenSpalte_ ? Qt::DescendingOrder : Qt::AscendingOrder;
    return {};
}

void StatistikModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> altRang;
    altRang.reserve(zeilen_.size());
    for (const Zeile& z : zeilen_)
        altRang.append(z.rang);
    if (column < 0 || column > 1) {
        std::sort(
            zeilen_.begin(), zeilen_.end(), [](const Zeile& a, const Zeile& b) { return a.rang < b.rang; });
    } else {
        const auto c = static_cast<size_t>(column);
        const auto kleiner = [&](const Zeile& a, const Zeile& b) {
            if (column == zahlenSpalte_) {
                const double x = Val(a.zellen[c]);
                const double y = Val(b.zellen[c]);
                if (x != y)
                    return x < y;
            } else if (const int r = namensfolge().compare(a.zellen[c], b.zellen[c]); r != 0) {
                return r < 0;
            }
            return false;
        };
        // Equal keys keep the view's own order in either direction.
        std::sort(zeilen_.begin(), zeilen_.end(), [&](const Zeile& a, const Zeile& b) {
            if (kleiner(a, b))
                return order == Qt::AscendingOrder;
            if (kleiner(b, a))
                return order == Qt::DescendingOrder;
            return a.rang < b.rang;
        });
    }
    // The view's current cell and selection follow their rows.
    QHash<int, int> neueZeile;
    for (int i = 0; i < zeilen_.size(); ++i)
        neueZeile.insert(zeilen_[i].rang, i);
    const QModelIndexList alt = persistentIndexList();
    QModelIndexList neu;
    neu.reserve(alt.size());
    for (const QModelIndex& index : alt)
        neu.append(index.isValid() ? this->index(neueZeile.value(altRang.value(index.row())), index.column())
                                   : QModelIndex());
    changePersistentIndexList(alt, neu);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace tarvex
