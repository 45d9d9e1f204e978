#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <utility>

namespace tarvex {

class ContestDat;
class Prompter;

// frmLocatorsuche: the known stations of STATIONS whose locator entry matches
// the operator's pattern ("*" any run, "?" one character; no wildcard added),
// as a two-column table "Rufzeichen" / "Locator". Only reads.
class LocatorsucheModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Column widths of the result grid in twips.
    static constexpr int kBreiteRufzeichen = 1200, kBreiteLocator = 2000;

    LocatorsucheModel(ContestDat& contestDat, Prompter& prompter, QObject* parent = nullptr);

    const QString& txtLocator() const { return txtLocator_; }
    // Every typed letter becomes a capital.
    void setTxtLocator(const QString& text);

    // Runs the search with the current pattern.
    void suchen();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ContestDat& contestDat_;
    Prompter& prompter_;
    QString txtLocator_;
    QList<std::pair<QString, QString>> stationen_;
};

} // namespace tarvex
