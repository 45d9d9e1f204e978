#pragma once
#include "PrintItem.h"

#include <QList>

namespace tarvex {

// One line of the contest log as both the printer and the text file write it, so
// that columns cannot drift apart between the two. What only paper has (fonts,
// rules, signature lines, print jobs) is marked here and left out of the text.
struct Druckzeile {
    enum class Art {
        Zeile, // the items, then the line ends
        Titel, // the cover sheet's headline: large and bold on paper, column 10 in the file
        Seitenende, // log pages: a print job ends; a form feed in the file
    };
    // Drawn on the line before its items (the line itself is empty).
    enum class Schmuck { Keiner, Regel, Unterschriften };

    Art art = Art::Zeile;
    QList<PrintItem> posten;
    int kursiv = 0; // leading items printed in italics
    Schmuck schmuck = Schmuck::Keiner;

    static Druckzeile leer(Schmuck schmuck = Schmuck::Keiner) { return { Art::Zeile, {}, 0, schmuck }; }
    static Druckzeile text(QList<PrintItem> posten, int kursiv = 0)
    {
        return { Art::Zeile, std::move(posten), kursiv, Schmuck::Keiner };
    }
};

} // namespace tarvex
