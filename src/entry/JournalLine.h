#pragma once
#include <QString>

namespace tarvex {

// One line of the contest journal (and of the printed journal), fixed columns.
struct JournalDaten {
    QString datum; // "dd.mm.yy", always the current date
    QString uhrzeit; // "hh:mm"
    QString call;
    QString rstGeg; // report sent, without number
    QString nummer; // own serial number
    QString rstErh; // report and number received
    QString locator;
    QString punkte;
    QString band; // as displayed, "144 MHz"
};

QString journalZeile(const JournalDaten& d);

// Fixed-column helpers shared by every text output.
QString rechtsbündig(const QString& wert, qsizetype breite);
QString linksbündig(const QString& wert, qsizetype breite);
// The same onto the end of a line being built: no text of its own per field.
void rechtsbündigAnhängen(QString& aus, QStringView wert, qsizetype breite);
void linksbündigAnhängen(QString& aus, QStringView wert, qsizetype breite);

} // namespace tarvex
