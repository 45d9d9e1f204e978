#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

namespace tarvex {

class ContestDatabase;

// The log list of the logging window: the band table, or a filtered query of it,
// as a table model for the grid. Columns are the band table's fields in stored
// order; rows in insertion order. Re-queried whenever its statement changes.
class LogList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Filter { Alle, Suche, Fruehere }; // ASCII: moc reads enums

    explicit LogList(QObject* parent = nullptr);

    // No database: an empty list.
    void setQuelle(ContestDatabase* db, const QString& band);

    void zeigeAlle();
    // The "?" search: Rufzeichen or Locator like the operator's pattern.
    void zeigeSuche(const QString& muster);
    // Earlier valid contacts with this core call or this locator.
    void zeigeFrühere(const QString& kernCall, const QString& locator);
    // Re-runs the current statement.
    void aktualisieren();

    Filter filter() const { return filter_; }
    qint64 rowidAt(int row) const;
    QVariant wert(int row, const QString& feld) const;
    QString rufzeichenAt(int row) const { return wert(row, QStringLiteral("Rufzeichen")).toString(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ContestDatabase* db_ = nullptr;
    QString band_;
    Filter filter_ = Filter::Alle;
    QVariantList werte_;
    QStringList spalten_;
    QList<qint64> rowids_;
    QList<QVariantList> zeilen_;
};

} // namespace tarvex
