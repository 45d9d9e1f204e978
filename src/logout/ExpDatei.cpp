#include "ExpDatei.h"

#include "common/TextFile.h"
#include "common/UserError.h"
#include "store/BandList.h"

#include <QDir>
#include <QFileInfo>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

constexpr int kFelder = 11;

QString shown(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

// A comma would split the field into two items and shift the rest of the file,
// so such a field is quoted; a quote inside it cannot be represented and
// becomes an apostrophe.
QString feld(const QString& text)
{
    if (!text.contains(u','))
        return text;
    QString inhalt = text;
    inhalt.replace(u'"', u'\'');
    return u'"' + inhalt + u'"';
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

QString ExpDatei::qsoZeile(const QsoRecord& q)
{
    const QString werte[kFelder] = {q.datum,  q.zeit,   q.rufzeichen, q.rstGeg, q.rstErh, q.locator,
                                    q.punkte, q.winkel, q.kernCall,   q.square, q.land};
    QString zeile;
    for (int i = 0; i < kFelder; ++i) {
        if (i > 0)
            zeile += u',';
        zeile += feld(werte[i]);
    }
    return zeile;
}

QStringList ExpDatei::items(const QStringList& zeilen)
{
    QStringList result;
    for (const QString& zeile : zeilen) {
        // An empty line (often one at the end of a hand-edited file) holds no item.
        if (zeile.trimmed().isEmpty())
            continue;
        qsizetype i = 0;
        const qsizetype n = zeile.size();
        while (true) {
            while (i < n && zeile[i] == u' ')
                ++i;
            QString item;
            if (i < n && zeile[i] == u'"') {
                const qsizetype ende = zeile.indexOf(u'"', i + 1);
                const qsizetype bis = ende < 0 ? n : ende;
                item = zeile.mid(i + 1, bis - i - 1);
                i = bis + 1;
                // Whatever follows the closing quote up to the comma is dropped.
                while (i < n && zeile[i] != u',')
                    ++i;
            } else {
                const qsizetype komma = zeile.indexOf(u',', i);
                const qsizetype bis = komma < 0 ? n : komma;
                item = zeile.mid(i, bis - i).trimmed();
                i = bis;
            }
            result.append(item);
            if (i >= n)
                break;
            ++i; // the comma
            if (i >= n) {
                result.append(QString()); // a comma at the line end: one more, empty item
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
    return lesen(readTextLines(pfad), pfad);
}

ExpDatei::Inhalt ExpDatei::lesen(const QStringList& zeilen, const QString& pfad)
{
    const QStringList it = items(zeilen);
    const auto ungültig = [&](const QString& grund) {
        return UserError(u"Die Datei %1 ist keine gültige EXP-Datei: %2 Es wurde nichts importiert."_s
                             .arg(shown(pfad), grund));
    };
    Inhalt inhalt;
    inhalt.mitKopf = !it.isEmpty() && it.first() == kKopf;
    // With heading: heading, call, locator, band, month. Without: call, locator, band.
    const qsizetype kopfItems = inhalt.mitKopf ? 5 : 3;
    const qsizetype bandItem = inhalt.mitKopf ? 3 : 2;
    if (it.size() < kopfItems)
        throw ungültig(u"Sie endet vor dem ersten QSO."_s);
    inhalt.band = it[bandItem];
    if (!istBandTabelle(inhalt.band))
        throw ungültig(u"„%1“ ist kein Band."_s.arg(inhalt.band));
    const qsizetype rest = it.size() - kopfItems;
    if (rest % kFelder != 0)
        throw ungültig(u"Sie endet mitten im QSO Nr. %1."_s.arg(rest / kFelder + 1));

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
        if (q.punkte == kUngültigePunkte) {
            if (q.square.isEmpty())
                q.square = u" "_s;
            if (q.land.isEmpty())
                q.land = u" "_s;
        }
        inhalt.qsos.append(std::move(q));
    }
    return inhalt;
}

} // namespace tarvex
