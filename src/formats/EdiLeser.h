#pragma once
#include "EdiDatei.h"

#include <QString>
#include <QStringList>

namespace tarvex {

// Reads one EDI (REG1TEST) log by the same field rules the writer follows:
// "key=value" header lines, [Remarks], [QSORecords;N] with N records of
// fifteen ";"-separated fields, [END;...]. A damaged file is a UserError
// naming the line and what is wrong with it.
class EdiLeser {
public:
    static EdiDatei lesen(const QStringList& zeilen);
    static EdiDatei lesenDatei(const QString& pfad);
};

} // namespace tarvex
