#pragma once
#include "Connection.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex {

// Adds a list of known stations to the STATIONS table of CONTEST.DAT. One station a line,
// "CALL LOCATOR" or "CALL,LOCATOR,...", with "#" and "//" starting a comment; every
// six-character locator after the call counts. Locators of one call, from the list and
// from the table, are merged into one LOCATORS text: the locators in order of first
// appearance, separated by one blank, so the n-th begins at character 7(n-1)+1.
class StationsImport {
public:
    struct Station {
        QString call;
        QStringList locators;
    };
    struct Übersprungen {
        int zeile = 0; // counted from 1
        QString text;
        QString grund;
    };
    struct Liste {
        QList<Station> stationen; // one per call, in order of first appearance
        QList<Übersprungen> übersprungen;
    };
    struct Ergebnis {
        int neueStationen = 0;
        int ergänzteStationen = 0;
        int neueLocatoren = 0;
    };

    static Liste lesen(const QString& text);
    static QStringList zerlegen(const QString& locators);
    static QString zusammensetzen(const QStringList& locators);

    // One transaction: either the whole list is in the table or nothing changed.
    static Ergebnis einfügen(Connection& contestDat, const QList<Station>& stationen);
};

} // namespace tarvex
