#pragma once
#include "Spot.h"

#include <QAbstractTableModel>
#include <QList>
#include <deque>

namespace tarvex {

// A spot as the cluster window shows it.
struct ClusterSpot {
    Spot spot;
    int km = -1;
    int winkel = 0;
    bool gearbeitet = false;
};

// The spots of the current band, newest first. All bands' spots are kept, at
// most kHöchstens, so a band change shows that band's at once.
class SpotTabelle : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr size_t kHöchstens = 1000;
    enum Spalte { Zeit, Frequenz, Rufzeichen, Qso, Km, Locator, Spotter, Kommentar, kSpalten };

    using QAbstractTableModel::QAbstractTableModel;

    // band: the table shown; bewerten sets distance and mark of every spot shown.
    template <class F> void zeigen(const QString& band, F&& bewerten)
    {
        beginResetModel();
        band_ = band;
        gezeigt_.clear();
        for (auto it = alle_.rbegin(); it != alle_.rend(); ++it) {
            if (!band_.isEmpty() && it->spot.band == band_) {
                bewerten(*it);
                gezeigt_.append(&*it);
            }
        }
        endResetModel();
    }
    template <class F> void anhängen(const Spot& s, F&& bewerten)
    {
        anhängenOhneAnzeige(s);
        ClusterSpot& neu = alle_.back();
        if (band_.isEmpty() || neu.spot.band != band_)
            return;
        bewerten(neu);
        beginInsertRows({}, 0, 0);
        gezeigt_.prepend(&neu);
        endInsertRows();
    }
    const ClusterSpot& gezeigt(int zeile) const { return *gezeigt_.at(zeile); }
    size_t gespeichert() const { return alle_.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void anhängenOhneAnzeige(const Spot& s);

    // A deque keeps the addresses of its other elements when one end changes.
    std::deque<ClusterSpot> alle_;
    QList<ClusterSpot*> gezeigt_;
    QString band_;
};

} // namespace tarvex
