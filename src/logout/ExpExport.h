#pragma once
#include "common/AtomicTextFile.h"

#include <QString>
#include <optional>

namespace tarvex {

class Clock;
class OffenerContest;
struct QsoRecord;

// The export of the current band (the log window's `exportieren`): the
// exchange file and, on request, the ADIF file beside it, both in the working
// directory. Either file replaces an older one only when it has been written
// completely.
class ExpExport {
public:
    ExpExport(OffenerContest& contest, Clock& clock);

    struct Ergebnis {
        QString expDatei; // name without directory, shown in txtExportname
        QString adifDatei; // "" without ADIF
        int qsos = 0;
    };

    // Reads the band itself. UserError with a German message when there is no
    // contest, the band has no contact yet, or a file cannot be written; no file
    // is changed then.
    Ergebnis exportieren(bool adif);

    // The same as the band is read once for several outputs: every contact in
    // stored order, then abschließen, which puts the files in place.
    class Lauf {
    public:
        Lauf(OffenerContest& contest, Clock& clock, bool adif);
        ~Lauf();
        void qso(const QsoRecord& qso);
        Ergebnis abschließen();

    private:
        OffenerContest& contest_;
        Clock& clock_;
        const bool adif_;
        const QString band_;
        const QString kern_;
        Ergebnis ergebnis_;
        std::optional<AtomicTextFile> exp_;
        std::optional<AtomicTextFile> adi_;
    };

private:
    OffenerContest& contest_;
    Clock& clock_;
};

} // namespace tarvex
