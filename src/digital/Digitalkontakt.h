#pragma once
#include "WsjtxNachricht.h"

#include <QString>

namespace tarvex {

// A contact from a digital-mode program as the log's fields take it: the
// reports split from the serial numbers, date and time of its end in UTC, the
// mode for the comment field.
struct Digitalkontakt {
    QString call;
    QString locator;
    QString rstGeg; // report sent, without a serial number
    QString nummerGeg; // serial number the program sent; empty when it sent none
    QString rstErh; // report received followed by the serial number received
    QString datum; // "dd.MM.yy"
    QString zeit; // "hh:mm"
    QString mode;
    quint64 frequenz = 0; // Hz, 0 = not known
    // Same contact, same key: a repeated datagram is not a second contact.
    QString schlüssel;

    static Digitalkontakt aus(const wsjtx::Kontakt& k);
    // "FT8: DL1ABC JO31AB" as the status bar and the waiting list name it.
    QString bezeichnung() const;
};

// An exchange of report and serial number in one ("590003", "59 0003"): both
// parts, or nothing when the text holds no such pair.
struct RapportUndNummer {
    QString rapport;
    QString nummer;
};
std::optional<RapportUndNummer> austauschTeilen(const QString& austausch);

} // namespace tarvex
