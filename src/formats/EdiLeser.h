#pragma once
#include "EdiDatei.h"

#include <QList>
#include <QString>

namespace tarvex {

// Reads EDI (REG1TEST) logs as they come from other programs, too: one
// [REG1TEST;1] block per band, "key=value" header lines, [Remarks] and
// [QSORecords] of ";"-separated fields. Lines are trimmed and empty ones
// skipped; neither [END] nor the announced count is required, and a record
// short of fifteen fields gets the rest empty. A damaged file is a UserError
// holding the reason alone, in lower case ("Zeile 7 hat nur 6 Felder").
class EdiLeser {
public:
    static QList<EdiDatei> lesen(const QString& text);
};

} // namespace tarvex
