#pragma once
#include <QAbstractListModel>
#include <QString>
#include <deque>

namespace tarvex {

// The lines a server sent, newest last, at most kHöchstens: a chat running all
// contest long must not grow the program or slow the view.
class Verlauf : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kHöchstens = 2000;
    // true for a line that names the own call.
    static constexpr int ErwaehntRolle = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    void anhängen(const QString& text, bool erwähnt = false);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QString& text(int zeile) const { return zeilen_.at(static_cast<size_t>(zeile)).text; }
    bool erwähnt(int zeile) const { return zeilen_.at(static_cast<size_t>(zeile)).erwähnt; }

private:
    struct Zeile {
        QString text;
        bool erwähnt = false;
    };
    std::deque<Zeile> zeilen_;
};

} // namespace tarvex
