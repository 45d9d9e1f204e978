#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace tarvex {

// One station in the chat as the user list shows it.
struct ChatNutzer {
    QString call;
    QString name;
    QString locator;
    int km = -1; // -1 without a usable locator on either side
    int winkel = 0;
    bool gearbeitet = false;
};

// The chat's user list, kept in the chosen order: by distance (farthest first,
// the most points, stations without distance last) or by call.
class NutzerTabelle : public QAbstractTableModel {
    Q_OBJECT
public:
    // The mark and the distance beside the call: a narrow window still shows them.
    enum Spalte { Rufzeichen, Qso, Km, Richtung, Locator, Name, kSpalten };
    enum class Sortierung { Entfernung, Rufzeichen };

    using QAbstractTableModel::QAbstractTableModel;

    void setzen(QList<ChatNutzer> nutzer);
    void setSortierung(Sortierung s);
    Sortierung sortierung() const { return sortierung_; }
    const QList<ChatNutzer>& nutzer() const { return nutzer_; }
    int zeileVon(const QString& call) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void sortieren();

    QList<ChatNutzer> nutzer_;
    Sortierung sortierung_ = Sortierung::Entfernung;
};

} // namespace tarvex
