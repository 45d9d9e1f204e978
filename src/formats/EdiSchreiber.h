#pragma once
#include "store/QsoRecord.h"
#include "store/Summen.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace tarvex {

// Builds and writes the EDI (REG1TEST) log of one band from what Tarvex
// already knows: the log window's texts of that band, the own call and
// locator, and the stored contacts. The claimed figures come from Wertung,
// the running score's own code. Free texts become ASCII without ";" or line
// breaks, so no text can break a record.
class EdiSchreiber {
public:
    struct Station {
        QString rufzeichen; // as the logging window shows it
        QString locator;
        QString band; // band table name, "144MHz"
    };

    // The log window's texts the header is made of, as typed.
    struct Angaben {
        QString wettbewerb;
        QString datum; // "dd.mm.yyyy", used when there is no contact
        QString wertungsgruppe;
        QString dok;
        QString einmann;
        QString name;
        QString straße;
        QString ort; // "Postleitzahl und Wohnort"
        QString sender;
        QString empfänger;
        QString eingangsstufe;
        QString antenne;
        QString ausgangsleistung;
        QString überGrund;
        QString überNN;
        QString rcall; // the responsible operator; empty: the core of the own call
        QString mope1; // the operators' calls, any separator
        QString mope2;
    };

    // The whole file: ASCII lines ended by CR LF, no trailing blanks.
    static QByteArray erstellen(const Angaben& angaben, const Station& station, const QList<QsoRecord>& qsos);

    // The same file built contact by contact as the band is read once: each
    // record is formatted as it comes, the header at the end from the band's
    // running score.
    class Aufbau {
    public:
        Aufbau();
        ~Aufbau();
        // The number of contacts to come, when known: the records are not moved as they grow.
        void reservieren(qsizetype anzahl);
        void hinzufügen(const QsoRecord& qso);
        qsizetype anzahl() const { return anzahl_; }
        const QString& ersterDatum() const { return ersterDatum_; }
        QByteArray fertig(const Angaben& angaben, const Station& station, const Summen& summen);

    private:
        struct Stand;
        std::unique_ptr<Stand> stand_;
        QByteArray sätze_;
        qsizetype anzahl_ = 0;
        QString ersterDatum_; // as stored, of the first contact
    };
    // Named like the exchange file: band, "-" month and year of the first
    // contact, "-" core call, ".EDI" (without contacts: band and core call).
    static QString dateiname(const Station& station, const QList<QsoRecord>& qsos);
    static QString dateiname(const Station& station, const QString& ersterDatum);
    // Writes a temporary file beside it and renames it into place, so an
    // existing file is never left half written. UserError naming the file.
    static void schreiben(const QString& pfad, QByteArrayView inhalt);

    // ASCII for a free text: umlauts transliterated (ä → ae), accents dropped,
    // ";" → ",", line breaks and control characters → blank, blanks trimmed.
    static QString ascii(const QString& text);
    // PBand in the document's notation ("1,3 GHz"); the band table name otherwise.
    static QString bandName(const QString& band);
    // A stored report field ("599001", "59A003") split into the report and the
    // serial number by its own shape: the number is the trailing digits (three,
    // four when the rest would not be a report), the report at most three
    // characters before it. For the sent field, the contact's running number
    // decides a six-digit text it ends with ("591001" on contact 1,001: 59, 1001).
    struct Rapport {
        QString rapport;
        QString nummer;
    };
    static Rapport teilen(const QString& gespeichert, qint64 laufendeNummer = 0);
    // PSect from Einmann/Mehrmann and Wertungsgruppe.
    static QString sektion(const QString& einmann, const QString& wertungsgruppe);
};

} // namespace tarvex
