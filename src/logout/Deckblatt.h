#pragma once
#include "print/Druckzeile.h"

#include <QString>

namespace tarvex {

class LogFelder;
class PrinterSurface;
struct Spielstand;

// The cover sheet of the contest log: its lines once, for paper and for the
// text file alike. Values are taken as the windows show them; nothing is computed.
class Deckblatt {
public:
    static QList<Druckzeile> zeilen(const LogFelder& felder, const QString& eigenesRufzeichen,
        const QString& eigenerLocator, const Spielstand& stand);
    // Its own print job: three boxes at the top, then the lines in Courier New 12;
    // reduced as a whole where the printable area is shorter than the layout.
    static void drucken(PrinterSurface& drucker, const QList<Druckzeile>& zeilen);
    // The lines of the text file (tab columns as blanks).
    static QStringList text(const QList<Druckzeile>& zeilen);

    // A label/value line: the left pair from column 10, 36 wide, the right pair
    // from column 51, 26 wide; each value flush right at the end of its pair.
    static QList<PrintItem> zweiSpalten(const QString& linkesEtikett, const QString& linkerWert,
        const QString& rechtesEtikett, const QString& rechterWert);
};

} // namespace tarvex
