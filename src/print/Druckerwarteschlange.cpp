#include "Druckerwarteschlange.h"

#include <QFile>
#include <QPageSize>
#include <cups/cups.h>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
// CUPS's IPP printer-state "stopped".
constexpr int angehalten = 5;
} // namespace

Druckerwarteschlange::Zustand Druckerwarteschlange::zustand(const QString& drucker)
{
    const QByteArray name = drucker.toUtf8();
    cups_dest_t* ziel = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!ziel)
        return Zustand::Fehlt;
    Zustand z = Zustand::Bereit;
    const char* annehmen = cupsGetOption("printer-is-accepting-jobs", ziel->num_options, ziel->options);
    const char* status = cupsGetOption("printer-state", ziel->num_options, ziel->options);
    if (annehmen && qstrcmp(annehmen, "false") == 0)
        z = Zustand::NimmtNichtsAn;
    else if (status && QByteArray(status).toInt() == angehalten)
        z = Zustand::Angehalten;
    cupsFreeDests(1, ziel);
    return z;
}

Druckerwarteschlange::Ergebnis Druckerwarteschlange::drucken(
    const QString& drucker, const QString& pdf, const QString& titel, QSizeF papierMm)
{
    // The queue gets the paper of the document, a custom one (continuous label
    // stock) included; without it the printer's default paper would be used.
    const QPageSize größe(papierMm, QPageSize::Millimeter, {}, QPageSize::FuzzyMatch);
    const QByteArray medium = größe.id() != QPageSize::Custom
        ? größe.key().toUtf8()
        : u"Custom.%1x%2mm"_s.arg(papierMm.width(), 0, 'f', 2).arg(papierMm.height(), 0, 'f', 2).toUtf8();
    cups_option_t* optionen = nullptr;
    int anzahl = cupsAddOption("media", medium.constData(), 0, &optionen);
    const QByteArray name = drucker.toUtf8();
    const QByteArray datei = QFile::encodeName(pdf);
    const QByteArray t = titel.toUtf8();
    Ergebnis e;
    e.auftrag = cupsPrintFile2(
        CUPS_HTTP_DEFAULT, name.constData(), datei.constData(), t.constData(), anzahl, optionen);
    if (e.auftrag == 0)
        e.grund = QString::fromUtf8(cupsLastErrorString());
    cupsFreeOptions(anzahl, optionen);
    return e;
}

} // namespace tarvex
