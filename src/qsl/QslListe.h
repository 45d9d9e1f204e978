#pragma once
#include "store/QslAbfrage.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <functional>

namespace tarvex {

// ListView1 of the QSL window: one entry per selected contact with call sign,
// serial number and points; the check box is the QSL mark. A click on a check
// box is handed to the window's model, which changes the stored mark. The
// entries (rowid and tick) are read in batches as the view scrolls towards the
// end, and their texts a page at a time as the view shows them, so opening the
// list costs the same on any band.
class QslListe : public QAbstractTableModel {
    Q_OBJECT
public:
    // Called with the entry's row and the new state of its tick.
    using Klick = std::function<void(int, bool)>;
    // The texts of the selection's contacts between two rowids.
    using Texte = std::function<QList<QslAbfrage::Anzeige>(qint64 von, qint64 bis)>;
    // The selection's entries after a rowid, at most so many, in stored order.
    using Marken = std::function<QList<QslAbfrage::Marke>(qint64 nach, qsizetype höchstens)>;

    explicit QslListe(QObject* parent = nullptr);

    void setKlick(Klick klick) { klick_ = std::move(klick); }
    // Entries per batch: more than a screen holds, so the first one fills the view.
    static constexpr qsizetype kStapel = 512;
    // The first batch as read, and how to read the ones after it.
    void setAuswahl(const QList<QslAbfrage::Marke>& erste, Marken weitere, Texte texte);
    // The entries read so far.
    qsizetype anzahl() const { return rowids_.size(); }
    // The rest of the selection at once, for a jump to its end.
    void alleLesen();
    qint64 rowid(int row) const { return rowids_.value(row); }
    bool häkchen(int row) const { return häkchen_.value(row); }
    void setHäkchen(int row, bool an);
    // Every tick at once, with one change for the view.
    void alleSetzen(QslAbfrage::Markierung art);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QslAbfrage::Anzeige* anzeige(int row) const;
    void anhängen(qsizetype höchstens);

    QList<qint64> rowids_;
    QList<bool> häkchen_;
    Marken marken_;
    bool ende_ = true;
    Texte texte_;
    // Pages of texts as read, by page number; dropped when too many.
    mutable QHash<qsizetype, QList<QslAbfrage::Anzeige>> seiten_;
    Klick klick_;
};

} // namespace tarvex
