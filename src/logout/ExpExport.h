#pragma once
#include <QString>

namespace tarvex {

class Clock;
class OffenerContest;

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
    // UserError with a German message when there is no contest, the band has no
    // contact yet, or a file cannot be written; no file is changed then.
    Ergebnis exportieren(bool adif);

private:
    OffenerContest& contest_;
    Clock& clock_;
};

} // namespace tarvex
