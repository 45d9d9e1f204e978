#pragma once
#include "Druckzeile.h"

#include <QStringList>

namespace tarvex {

class PrinterSurface;

// Puts the lines of a printout on the printer surface or turns them into the
// lines of a text file. Tab stops become blanks in the text, with the surface's
// rule: a column the line is already past is taken on the next line.
class Zeilenausgabe {
public:
    // Rules and signature lines in mm, measured from the start of their line.
    static constexpr double regelAbstand = 21;
    static constexpr double regelLänge = 200;
    static constexpr double rufzeichenAbstand = 95;
    static constexpr double rufzeichenLänge = 30;
    static constexpr double unterschriftAbstand = 10;
    static constexpr double unterschriftLänge = 55;
    static constexpr float titelgröße = 21;

    // Ends no document: a Seitenende ends one, the caller ends the last.
    static void drucken(PrinterSurface& drucker, const QList<Druckzeile>& zeilen);
    // The height the lines take on the surface, in its current unit, with its
    // current font for the ordinary lines (page ends not counted).
    static double höhe(PrinterSurface& drucker, const QList<Druckzeile>& zeilen);
    // A Seitenende becomes a form feed in front of the next line.
    static QStringList text(const QList<Druckzeile>& zeilen);
    // Appends the lines to a text file (CP1252, CR LF); UserError naming the file.
    static void anhängen(const QString& pfad, const QStringList& zeilen);
};

} // namespace tarvex
