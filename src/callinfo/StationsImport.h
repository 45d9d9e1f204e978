#pragma once
#include "store/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex {

// Adds known stations to the STATIONS table of CONTEST.DAT, read from a plain list, an
// EDI (REG1TEST) log, an ADIF file or one of our EXP files. The plain list has one station
// a line, "CALL LOCATOR" or "CALL,LOCATOR,...", with "#" and "//" starting a comment; every
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

    enum class Format { Liste, Edi, Adif, Exp };

    // The plain list; lines it cannot use are listed, never an error.
    static Liste lesen(const QString& text);
    // The log formats. A damaged file is a UserError with the reason, and yields nothing.
    static Liste lesenEdi(const QString& text);
    static Liste lesenAdif(const QString& text);
    static Liste lesenExp(const QString& text);
    // Any of the four, told apart by content and then by the file name's extension.
    // UserError naming the file when it is damaged.
    static Liste lesenDatei(const QByteArray& inhalt, const QString& name, Format* format = nullptr);

    static QStringList zerlegen(const QString& locators);
    static QString zusammensetzen(const QStringList& locators);
    // The call the look-up asks STATIONS for: portable prefix part and core call
    // (DL1ABC/P → DL1ABC, OE/DL1ABC stays).
    static QString stationsCall(const QString& call);

    // The one way into STATIONS: calls and locators in capitals, calls as the look-up
    // asks for them, locators merged by the rule above, never one twice. One
    // transaction: either the whole list is in the table or nothing changed.
    static Ergebnis einfügen(Connection& contestDat, const QList<Station>& stationen);
};

} // namespace tarvex
