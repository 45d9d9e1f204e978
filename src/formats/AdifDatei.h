#pragma once
#include "store/QsoRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tarvex {

// The ADIF file written beside the exchange file: a free-text header ended by
// "<eoh>", then one record per contact on one line, ended by "<eor>".
class AdifDatei {
public:
    // The exchange file's name with "adi" in place of its last three characters.
    static QString dateiname(const QString& expName);
    // The header lines; "jetzt" in the system's short date and time format.
    static QStringList kopf(const QDateTime& jetzt);
    // One record of the band table "band".
    static QString satz(const QsoRecord& qso, const QString& band);
    // "<BAND:2>2m" for a band table name, "" for any other name.
    static QString bandFeld(const QString& band);
};

} // namespace tarvex
