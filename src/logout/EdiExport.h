#pragma once
#include "formats/EdiSchreiber.h"

#include <QString>

namespace tarvex {

class OffenerContest;
class LogFelder;
class Prompter;

// The EDI files of the open contest: one band with the log window's fields
// (the step of "&Drucken"), or every band with each band's station data from
// the settings (menu "S&pezial" → "EDI-Datei für alle Bänder"). Files are
// written to the working directory like the exchange file.
class EdiExport {
public:
    struct Ergebnis {
        QString name;
        qsizetype qsos = 0;
    };
    // The header texts of the log window's fields.
    static EdiSchreiber::Angaben angaben(const LogFelder& felder);
    // UserError when the contest cannot be read or the file cannot be written.
    static Ergebnis bandSchreiben(OffenerContest& contest, const LogFelder& felder, const QString& band);
    // The same from the contacts of a read that fed them in already.
    static Ergebnis schreiben(
        OffenerContest& contest, const LogFelder& felder, const QString& band, EdiSchreiber::Aufbau& aufbau);
    // The band's running score: the open band's as kept, another band's loaded.
    static Summen summen(OffenerContest& contest, const QString& band);
    // The note for a band without contacts (the file holds only the header).
    static QString ohneQsos(const QString& band, const QString& name);
    // Every band table of the contest; one message with all names, or the error.
    static void alleBänder(OffenerContest& contest, Prompter& prompter);
};

} // namespace tarvex
