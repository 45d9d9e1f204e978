#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <functional>

namespace tarvex {

// ListView1 of the QSL window: one entry per selected contact with call sign,
// serial number and points; the check box is the QSL mark. A click on a check
// box is handed to the window's model, which changes the stored mark.
class QslListe : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Eintrag {
        QString rufzeichen;
        QString nummer; // empty when the record has none
        QString punkte;
        bool häkchen = false;
        qint64 rowid = 0;
    };
    // Called with the entry's row and the new state of its tick.
    using Klick = std::function<void(int, bool)>;

    explicit QslListe(QObject* parent = nullptr);

    void setKlick(Klick klick) { klick_ = std::move(klick); }
    void setEinträge(QList<Eintrag> einträge);
    const QList<Eintrag>& einträge() const { return einträge_; }
    void setHäkchen(int row, bool an);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Eintrag> einträge_;
    Klick klick_;
};

} // namespace tarvex
