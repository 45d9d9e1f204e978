#pragma once
#include "store/QsoRecord.h"

#include <QList>
#include <QString>

namespace tarvex {

class PrinterSurface;

// One print run of QSL labels: one label per marked contact, in one or two
// columns on label sheets or one per page on continuous stock. Positions in mm
// from the top-left corner of the printable area.
class Aufkleberdruck {
public:
    // The form's fields as they stand when printing begins; numbers as typed.
    struct Vorgaben {
        QString obererRand = QStringLiteral("0.0");
        QString linkerRand = QStringLiteral("5.0");
        QString randZweiteSpalte = QStringLiteral("110.0");
        QString höhe = QStringLiteral("35.0");
        QString vertikalerAbstand = QStringLiteral("0.0");
        QString anzahl = QStringLiteral("8");
        QString station;
        bool endlos = false;
        bool zweiSpalten = true;
        bool pseQsl = true;
        QString eigenesRufzeichen;
        QString eigenerLocator;
        QString band; // band table name, "144MHz"
    };

    // Labels per column: the count field read with VAL; a count below 1 or not a
    // whole number would never fill a page, so it counts as 1.
    static int anzahlProSpalte(const QString& text);
    // Three-digit reports on both sides (six characters or more) mean CW.
    static bool telegrafie(const QsoRecord& qso);
    // Row 6 of a label: date, time, mode, MHz, distance and report sent in the
    // columns of the heading line.
    static QString qsoZeile(const QsoRecord& qso, const QString& band);

    // Prints a label for each contact whose mark is set, in the given order, and
    // ends the document. Returns the number of labels printed.
    static int drucken(PrinterSurface& drucker, const Vorgaben& vorgaben, const QList<QsoRecord>& qsos);

private:
    static void etikett(PrinterSurface& drucker, double x, const Vorgaben& vorgaben, const QsoRecord& qso);
};

} // namespace tarvex
