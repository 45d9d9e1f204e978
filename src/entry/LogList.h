#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVariant>

namespace tarvex {

class ContestDatabase;
struct LogZeile;

// The log list of the logging window as a table model for the grid: all
// contacts of the band, or the result of a search or of the earlier-contacts
// look-up. Columns are the band table's fields in stored order; rows in stored
// order. All contacts are fetched page by page as the grid shows them; the list
// of their rowids is kept in step by the save, deletion and invalidation, so no
// change reads the whole band again.
class LogList : public QAbstractTableModel {
    Q_OBJECT
public:
#ifndef Q_MOC_RUN // moc cannot read umlauts in enums
    enum class Filter { Alle, Suche, Frühere };
#endif

    explicit LogList(QObject* parent = nullptr);
    ~LogList() override;

    // Reads the band's rowids; no database: an empty list.
    void setQuelle(ContestDatabase* db, const QString& band);

    void zeigeAlle();
    // The "?" search: Rufzeichen or Locator like the operator's pattern.
    void zeigeSuche(const QString& muster);
    // Earlier valid contacts with this core call or this locator.
    void zeigeFrühere(const QString& kernCall, const QString& locator);

    // The band changed: a contact was appended, the last one deleted, or one changed.
    void angehängt(qint64 rowid);
    void letzterEntfernt();
    void geändert(qint64 rowid);

    Filter filter() const
    {
        return filter_;
    }
    qint64 rowidAt(int row) const;
    QVariant wert(int row, const QString& feld) const;
    QString rufzeichenAt(int row) const
    {
        return wert(row, QStringLiteral("Rufzeichen")).toString();
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QVariantList* zeile(int row) const;
    void gefiltert(Filter filter, QList<LogZeile> zeilen);

    ContestDatabase* db_ = nullptr;
    QString band_;
    Filter filter_ = Filter::Alle;
    QStringList spalten_;
    QList<qint64> alle_; // rowids of the band in stored order
    QList<qint64> gefiltertIds_;
    QList<QVariantList> gefiltert_;
    // Pages of all contacts as read, by page number; dropped when too many.
    mutable QHash<qsizetype, QList<QVariantList>> seiten_;
};

} // namespace tarvex
