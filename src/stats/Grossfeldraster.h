#pragma once
#include "store/Summen.h"

#include <QList>
#include <QString>
#include <utility>

namespace tarvex {

// The large squares of Europe from 10° W to 30° E and 35° N to 65° N as a table
// of cells: rows 5 (north) to 34 (south), columns 0 (10° W) to the last column
// (19 on the graphic map, 17 on the text map). A cell holds the square's name,
// or after Belegen the number of valid contacts in it, negative for the own square.
class Großfeldraster {
public:
    static constexpr int kErsteZeile = 5;
    static constexpr int kLetzteZeile = 34;

    explicit Großfeldraster(int letzteSpalte);

    int letzteSpalte() const { return letzteSpalte_; }
    // The name of the square at a cell: IP54 at row 5, column 0.
    static QString name(int zeile, int spalte);

    // Every cell gets its square name.
    void Erzeugen();
    // The first cell whose text equals the given one (rows from the top, columns
    // from the left) into zeile/spalte; both -1 when none matches.
    void suchen(const QString& text);
    // Writes the counts (square, valid contacts) into the cells; the own square,
    // compared with regard to letter case, gets the negated count. Squares off
    // the grid are skipped.
    void Belegen(const QList<Gruppensumme>& großfelder, const QString& eigenerSquare);

    const QString& zelle(int zeile, int spalte) const;

    qint16 zeile = -1;
    qint16 spalte = -1;

private:
    int index(int zeile, int spalte) const;
    // suchen() for a square name still in its cell; false leaves zeile/spalte as they were.
    bool direktFinden(const QString& text);

    int letzteSpalte_;
    QList<QString> zellen_;
};

} // namespace tarvex
