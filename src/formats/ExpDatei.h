#pragma once
#include "store/QsoRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex {

// The exchange file ("EXP-Datei"): one band of a contest as comma-separated text,
// four heading lines, a year-and-month line and one line per contact.
class ExpDatei {
public:
    static const QString kKopf; // "*** Tarvex V3 Exportdatei ***"

    // "144MHz-052002-DL1ABC.EXP" from the band, the first contact's "dd.mm.yy"
    // and the own core call; UserError when the date cannot be read.
    static QString dateiname(const QString& band, const QString& datum, const QString& kernCall);
    // "200205": year and month of "dd.mm.yy".
    static QString monatszeile(const QString& datum);
    // Four-digit year of a two-digit one: 00–29 → 20xx, 30–99 → 19xx.
    static int jahr(int zweistellig);
    // The heading lines the reader expects: heading, own call, locator, band and
    // the first contact's month line.
    static QStringList kopf(
        const QString& kernCall, const QString& locator, const QString& band, const QString& ersterDatum);
    // The eleven exported fields, comma-separated.
    static QString qsoZeile(const QsoRecord& qso);

    // What a file holds, as the reader takes it.
    struct Inhalt {
        bool mitKopf = false;
        QString band;
        QList<QsoRecord> qsos; // Nummer from 1, Kommentar empty, QSL false
    };
    // Splits the text into items: an item ends at a comma or a line end, blanks
    // around it are dropped, one that begins with a double quote runs to the next.
    // An item in quotes may hold commas, line ends and quotes (doubled).
    static QStringList items(const QStringList& zeilen);
    // The same over a whole text; gequotet gets, per item, whether it was in quotes.
    static QStringList items(const QString& text, QList<bool>* gequotet);
    // Reads a whole file; UserError (German, naming the file) when it cannot be
    // read, names no band of the band list, or ends inside a contact.
    static Inhalt lesen(const QString& pfad);
    static Inhalt lesen(const QStringList& zeilen, const QString& pfad);
    static Inhalt lesenText(const QString& text, const QString& pfad);
    // The same rules without a file: the UserError holds only the reason, in
    // lower case without a full stop ("sie endet mitten im QSO Nr. 3").
    static Inhalt auslesen(const QString& text);
};

} // namespace tarvex
