#include "ExpDatei.h"

#include "common/Cp1252.h"
#include "common/SystemFehler.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "store/BandList.h"
#include "store/Gueltigkeit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

constexpr int kFelder = 11;

QString shown(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

// A text the reader would not give back as it is (a comma, a quote, a line
// break, blanks at either end) is quoted, a quote inside doubled. The single
// blank of an invalid contact's Square and Land is written bare, as the reader
// expects it; an empty one there is quoted so it is not taken for that blank.
bool quoten(QStringView text, bool blankBleibt)
{
    if (text.isEmpty())
        return blankBleibt;
    // Blanks at either end are what trimmed() would take away.
    if (text.front().isSpace() || text.back().isSpace())
        return !(blankBleibt && text == u" ");
    // One pass: it runs for every field of every contact.
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
}

void feldAnhängen(QString& zeile, const QString& text, bool blankBleibt)
{
    if (!quoten(text, blankBleibt)) {
        zeile += text;
        return;
    }
    zeile += u'"';
    for (const QChar c : text) {
        zeile += c;
        if (c == u'"')
            zeile += c;
    }
    zeile += u'"';
}

// Two digits at position i of "dd.mm.yy", or -1.
int zweiZiffern(const QString& text, int i)
{
    if (text.size() < i + 2 || !text[i].isDigit() || !text[i + 1].isDigit())
        return -1;
    return text.mid(i, 2).toInt();
}

} // namespace

const QString ExpDatei::kKopf = u"*** Tarvex V3 Exportdatei ***"_s;

int ExpDatei::jahr(int zweistellig)
{
    return zweistellig < 30 ? 2000 + zweistellig : 1900 + zweistellig;
}

QString ExpDatei::monatszeile(const QString& datum)
{
    const int monat = zweiZiffern(datum, 3);
    const int jahr2 = zweiZiffern(datum, 6);
    if (monat < 1 || monat > 12 || jahr2 < 0)
        throw UserError(u"Das Datum „%1“ des ersten QSOs ist nicht in der Form TT.MM.JJ; "
                        u"die EXP-Datei kann nicht benannt werden."_s.arg(datum));
    return QString::number(jahr(jahr2)) + QString::number(monat).rightJustified(2, u'0');
}

QString ExpDatei::dateiname(const QString& band, const QString& datum, const QString& kernCall)
{
    const QString jm = monatszeile(datum);
    return band + (u'-' + jm.mid(4, 2) + jm.left(4) + u'-' + kernCall + u".EXP"_s).toUpper();
}

QStringList ExpDatei::kopf(
    const QString& kernCall, const QString& locator, const QString& band, const QString& ersterDatum)
{
    return { kKopf, kernCall, locator, band, monatszeile(ersterDatum) };
}

QString ExpDatei::qsoZeile(const QsoRecord& q)
{
    const QString* werte[kFelder] = { &q.datum, &q.zeit, &q.rufzeichen, &q.rstGeg, &q.rstErh, &q.locator,
        &q.punkte, &q.winkel, &q.kernCall, &q.square, &q.land };
    const bool ungültig = !istGültig(q.punkte);
    QString zeile;
    zeile.reserve(96);
    for (int i = 0; i < kFelder; ++i) {
        if (i > 0)
            zeile += u',';
        feldAnhängen(zeile, *werte[i], ungültig && i >= 9);
    }
    return zeile;
}

QStringList ExpDatei::items(const QStringList& zeilen)
{
    return items(zeilen.join(u"\r\n"_s), nullptr);
}

QStringList ExpDatei::items(const QString& text, QList<bool>* gequotet)
{
    QStringList result;
    const qsizetype n = text.size();
    const auto zeilenende = [&](qsizetype i) { return text[i] == u'\n' || text[i] == u'\r'; };
    qsizetype i = 0;
    while (i < n) {
        // Line ends between items; an empty line holds no item.
        if (zeilenende(i)) {
            ++i;
            continue;
        }
        qsizetype anfang = i;
        while (anfang < n && text[anfang] == u' ')
            ++anfang;
        if (anfang >= n || zeilenende(anfang)) {
            i = anfang;
            continue;
        }
        // One line: its items up to the line end.
        while (true) {
            while (i < n && text[i] == u' ')
                ++i;
            QString item;
            const bool quote = i < n && text[i] == u'"';
            if (quote) {
                // Runs to the next single quote, across commas and line ends; "" is one quote.
                ++i;
                while (i < n) {
                    if (text[i] == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            item += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    item += text[i++];
                }
                // Whatever follows the closing quote up to the comma is dropped.
                while (i < n && text[i] != u',' && !zeilenende(i))
                    ++i;
            } else {
                qsizetype bis = i;
                while (bis < n && text[bis] != u',' && !zeilenende(bis))
                    ++bis;
                item = text.mid(i, bis - i).trimmed();
                i = bis;
            }
            result.append(item);
            if (gequotet)
                gequotet->append(quote);
            if (i >= n || zeilenende(i))
                break;
            ++i; // the comma
            if (i >= n || zeilenende(i)) {
                result.append(QString()); // a comma at the line end: one more, empty item
                if (gequotet)
                    gequotet->append(false);
                break;
            }
        }
    }
    return result;
}

ExpDatei::Inhalt ExpDatei::lesen(const QString& pfad)
{
    if (!QFileInfo(pfad).isFile())
        throw UserError(u"Die Datei %1 wurde nicht gefunden."_s.arg(shown(pfad)));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw UserError(
            u"Die Datei %1 kann nicht gelesen werden: %2."_s.arg(shown(pfad), systemFehler(errno)));
    return lesenText(fromCp1252(datei.readAll()), pfad);
}

ExpDatei::Inhalt ExpDatei::lesen(const QStringList& zeilen, const QString& pfad)
{
    return lesenText(zeilen.join(u"\r\n"_s), pfad);
}

ExpDatei::Inhalt ExpDatei::lesenText(const QString& text, const QString& pfad)
{
    try {
        return auslesen(text);
    } catch (const UserError& e) {
        QString grund = e.meldung();
        grund[0] = grund[0].toUpper();
        throw UserError(u"Die Datei %1 ist keine gültige EXP-Datei: %2. Es wurde nichts importiert."_s.arg(
            shown(pfad), grund));
    }
}

ExpDatei::Inhalt ExpDatei::auslesen(const QString& text)
{
    QList<bool> gequotet;
    const QStringList it = items(text, &gequotet);
    Inhalt inhalt;
    inhalt.mitKopf = !it.isEmpty() && it.first() == kKopf;
    // With heading: heading, call, locator, band, month. Without: call, locator, band.
    const qsizetype kopfItems = inhalt.mitKopf ? 5 : 3;
    const qsizetype bandItem = inhalt.mitKopf ? 3 : 2;
    if (it.size() < kopfItems)
        throw UserError(u"sie endet vor dem ersten QSO"_s);
    inhalt.band = it[bandItem];
    if (!istBandTabelle(inhalt.band))
        throw UserError(u"„%1“ ist kein Band"_s.arg(auszug(inhalt.band)));
    const qsizetype rest = it.size() - kopfItems;
    if (rest % kFelder != 0)
        throw UserError(u"sie endet mitten im QSO Nr. %1"_s.arg(rest / kFelder + 1));

    inhalt.qsos.reserve(rest / kFelder);
    for (qsizetype i = kopfItems; i < it.size(); i += kFelder) {
        QsoRecord q;
        q.nummer = static_cast<int>(inhalt.qsos.size()) + 1;
        q.datum = it[i];
        q.zeit = it[i + 1];
        q.rufzeichen = it[i + 2];
        q.rstGeg = it[i + 3];
        q.rstErh = it[i + 4];
        q.locator = it[i + 5];
        q.punkte = it[i + 6];
        q.winkel = it[i + 7];
        q.kernCall = it[i + 8];
        q.square = it[i + 9];
        q.land = it[i + 10];
        // An invalid contact carries a single blank in Square and Land; the
        // writer puts it out as that blank and the reader drops it.
        if (!istGültig(q.punkte)) {
            if (q.square.isEmpty() && !gequotet[i + 9])
                q.square = u" "_s;
            if (q.land.isEmpty() && !gequotet[i + 10])
                q.land = u" "_s;
        }
        inhalt.qsos.append(std::move(q));
    }
    return inhalt;
}

} // namespace tarvex
