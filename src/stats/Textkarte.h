#pragma once
#include "LocatorTextModel.h"

#include <QWidget>

namespace tarvex {

// The text map's cells drawn straight onto the widget in a fixed-width font:
// 30 lines of 18 cells cost a few rectangles and runs of text, where a rich
// text document of the same cells had to be laid out at every activation.
class Textkarte : public QWidget {
    Q_OBJECT
public:
    explicit Textkarte(QWidget* parent = nullptr);

    void setZeilen(const QList<QList<LocatorTextModel::Zelle>>& zeilen);
    // The cells as text, one line per row of squares.
    QString text() const;
    // Text and background colour of the character at line r, column x.
    QColor schrift(int r, int x) const;
    QColor hintergrund(int r, int x) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LocatorTextModel::Zelle* zelle(int r, int x, bool* leerzeichen) const;

    QList<QList<LocatorTextModel::Zelle>> zeilen_;
    int spalten_ = 0; // characters in the longest line
};

} // namespace tarvex
