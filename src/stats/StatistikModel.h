#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <array>

namespace tarvex {

class OffenerContest;
class Prompter;

// frmStatistik: five rankings of the current band's contacts in a two-column
// grid with a heading row (the grid's source, Data1). Enter steps through the
// views, the grid is copied as tab-separated text. Reads the band through the
// logging model and writes nothing.
class StatistikModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The option buttons; the cycle of Enter runs Option1, 2, 4, 5, 3.
    enum class Option { Option1, Option2, Option3, Option4, Option5 };

    StatistikModel(OffenerContest& contest, Prompter& prompter, QObject* parent = nullptr);

    // Form loaded: every contact of the band by points, invalid ones ("-----",
    // counted as 0) last; Option3 chosen.
    void laden();
    // An option button clicked. A view without rows leaves the grid as it was.
    void wählen(Option option);
    // Enter on an option button: the next one in the cycle.
    static Option nächste(Option option);
    Option gewählt() const { return gewählt_; }
    static QString beschriftung(Option option);
    // The grid as shown, heading first: every cell followed by TAB, every line by CR LF.
    QString kopieren() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Click on a heading: numbers compare as numbers, names in German alphabetical
    // order; column -1 brings back the view's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Zeile {
        std::array<QString, 2> zellen;
        int rang = 0; // place in the view's own order
    };
    void zeigen(std::array<QString, 2> überschriften, QList<Zeile> zeilen, int zahlenSpalte);
    void entfernungen(bool mitUngültigen);
    void gruppen(Option option);

    OffenerContest& contest_;
    Prompter& prompter_;
    Option gewählt_ = Option::Option3;
    std::array<QString, 2> überschriften_ { QStringLiteral("Punkte"), QStringLiteral("Rufzeichen") };
    QList<Zeile> zeilen_;
    int zahlenSpalte_ = 0;
};

} // namespace tarvex
