#pragma once
#include "print/Druckzeile.h"

#include <QString>
#include <functional>

namespace tarvex {

class PrinterSurface;
struct QsoRecord;

// The log pages: every contact of the band in stored order, 50 to a page, each
// page under a seven-line header and, when another follows, ending in the
// subtotal; the last page ends in the total. Lines once, for paper and file.
class LogSeiten {
public:
    static constexpr int zeilenProSeite = 50;

    struct Kopf {
        QString wettbewerb;
        QString wertungsgruppe;
        QString eigenesRufzeichen;
        QString eigenerLocator;
        QString nächsteNummer; // as the logging window shows it: the page count follows from it
        QString txtPunkte; // the logging window's total
    };

    static QList<Druckzeile> zeilen(const QList<QsoRecord>& qsos, const Kopf& kopf);

    // The same lines as the contacts come, without holding the band: each page
    // is handed on when it is complete (ending in its Seitenende), the last at ende().
    class Aufbau {
    public:
        using Seite = std::function<void(QList<Druckzeile>&&)>;
        Aufbau(const Kopf& kopf, Seite seite);
        void hinzufügen(const QsoRecord& qso);
        void ende();

    private:
        Kopf kopf_;
        Seite seite_;
        int seiten_;
        int index_ = 0;
        qint64 summe_ = 0;
        QList<Druckzeile> zeilen_;
    };
    // The pages into the text file's lines as text() makes them.
    static Aufbau::Seite textSeiten(std::function<void(const QString&)> zeile);
    // Every page a print job of its own, in Courier New 12.
    static void drucken(PrinterSurface& drucker, const QList<Druckzeile>& zeilen);
    // The lines of the text file: one blank line first, a form feed before each later page.
    static QStringList text(const QList<Druckzeile>& zeilen);

    // Int((N - 2) / 50) + 1: the number of pages for N - 1 rows.
    static int seitenzahl(int nächsteNummer);
    // One contact; index counts from 0 in stored order.
    static QString zeile(const QsoRecord& qso, int index);
    static QString rstGeg(const QString& gespeichert, int index);
    static QString rstErh(const QString& gespeichert);
};

} // namespace tarvex
