#pragma once
#include "store/QsoRecord.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex {

// The ADIF file written beside the exchange file: a free-text header ended by
// "<eoh>", then one record per contact on one line, ended by "<eor>".
class AdifDatei {
public:
    // One record as read: field names in capitals, each with its value.
    using Satz = QHash<QString, QString>;
    // Every record of a file, with or without a header. A damaged file is a
    // UserError holding the reason alone, in lower case.
    static QList<Satz> lesen(const QString& text);

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
