#pragma once
#include "Druckerwahl.h"

#include <QString>

namespace tarvex {

class Clock;
class Prompter;

// What becomes of a printout the printer cannot take now, and the PDF file
// that takes its place.
class Druckstörung {
public:
    enum class Ausweg { Drucken, AlsPdf, Verwerfen };

    // Tells the operator that the printer cannot take a printout now (naming the
    // printer) and asks whether it is to be written as a PDF file instead. A
    // stopped printer still takes the job into its queue when the answer is no.
    static Ausweg fragen(
        Prompter& prompter, const QString& drucker, Druckerwahl::Zustand zustand, const QString& grund = {});

    // Creates Ausdruck_JJJJ-MM-TT_hh-mm-ss.pdf (or _2, _3, ...) in the working
    // directory without overwriting anything; empty when none can be created.
    static QString pdfDateiAnlegen(const Clock& uhr);
};

} // namespace tarvex
