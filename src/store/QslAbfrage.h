#pragma once
#include "Connection.h"
#include "QsoRecord.h"

#include <QList>

namespace tarvex {

// The QSL labels' selection and marks on one band table.
class QslAbfrage {
public:
    explicit QslAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    // A contact of the QSL selection with its place in the band table.
    struct Zeile {
        qint64 rowid = 0;
        bool mitNummer = true; // false when Nummer is empty
        QsoRecord qso;
    };
    enum class Markierung { Setzen, Löschen, Umkehren };
    // What the list needs of each contact of the selection up front.
    struct Marke {
        qint64 rowid = 0;
        bool qsl = false;
    };
    // What the list shows of a contact, read when it comes into view.
    struct Anzeige {
        qint64 rowid = 0;
        QString rufzeichen;
        QString nummer; // empty when Nummer is empty
        QString punkte;
    };

    // Contacts whose Rufzeichen is like the operator's pattern and whose points
    // (VAL) exceed the limit, in stored order. An absent mark reads as false.
    QList<Zeile> auswahl(const QString& band, const QString& muster, double grenze);
    // The same selection, only rowid and mark of each contact: those after the
    // rowid nach, at most höchstens of them.
    QList<Marke> marken(
        const QString& band, const QString& muster, double grenze, qint64 nach, qsizetype höchstens);
    // The contacts of that selection between two rowids (both included).
    QList<Anzeige> anzeige(const QString& band, const QString& muster, double grenze, qint64 von, qint64 bis);
    // Sets, clears or inverts the mark of every contact of that selection.
    void markieren(const QString& band, const QString& muster, double grenze, Markierung art);
    // Inverts the stored mark of one contact.
    void umschalten(const QString& band, qint64 rowid);

private:
    Connection& connection_;
};

} // namespace tarvex
