#include "LogSeiten.h"

#include "common/Val.h"
#include "entry/JournalLine.h"
#include "print/PrinterSurface.h"
#include "print/Zeilenausgabe.h"
#include "store/QsoRecord.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Sent reports are reformatted for the first thousand rows only.
constexpr int rstGegUmformatiertBis = 1000;

// The blanks go in front and the last characters are kept, without filling up
// to the width: a short value makes the rest of the line follow sooner.
void vorangestelltAnhängen(QString& aus, qsizetype blanks, QStringView wert, qsizetype breite)
{
    if (wert.size() >= breite) {
        aus += wert.right(breite);
        return;
    }
    aus.resize(aus.size() + std::min(blanks, breite - wert.size()), u' ');
    aus += wert;
}

QString zweistellig(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

void kopf(QList<Druckzeile>& z, const LogSeiten::Kopf& k, int seite, int seiten)
{
    z.append(Druckzeile::leer());
    z.append(Druckzeile::text({ PrintItem::tab(30),
        PrintItem::text(k.wettbewerb + u"        Wertungsgruppe "_s + k.wertungsgruppe) }));
    z.append(Druckzeile::leer());
    z.append(Druckzeile::text(
        { PrintItem::text(u"Tarvex"_s), PrintItem::text(u"     Call: "_s + k.eigenesRufzeichen),
            PrintItem::tab(40), PrintItem::text(u"Locator: "_s + k.eigenerLocator), PrintItem::tab(66),
            PrintItem::text(u"Seite: "_s + zweistellig(seite) + u'/' + zweistellig(seiten)) },
        1));
    z.append(Druckzeile::leer());
    z.append(Druckzeile::text({ PrintItem::text(
        u"    Datum   Zeit   Call          RST geg  RST erh  Locator Punkte  Kommentar"_s) }));
    z.append(Druckzeile::leer());
}

} // namespace

int LogSeiten::seitenzahl(int n)
{
    return int(std::floor((n - 2) / double(zeilenProSeite))) + 1;
}

QString LogSeiten::rstGeg(const QString& s, int index)
{
    // Too short to hold a serial number: kept as stored.
    if (index >= rstGegUmformatiertBis || s.size() < 3)
        return s;
    const QString abstand = s.contains(u'S') || s.contains(u'A') ? u" "_s : u"  "_s;
    return s.first(s.size() - 3) + abstand + s.last(3);
}

QString LogSeiten::rstErh(const QString& s)
{
    return s.size() == 5 ? s.first(2) + u' ' + s.last(3) : s;
}

QString LogSeiten::zeile(const QsoRecord& q, int index)
{
    // One text per line, built in place: a log of 50,000 contacts is 50,000 of them.
    QString z;
    z.reserve(80 + q.kommentar.size());
    z += u"  ";
    z += q.datum;
    z += u' ';
    z += q.zeit;
    z += u"  ";
    linksbündigAnhängen(z, q.rufzeichen, 14);
    vorangestelltAnhängen(z, 1, rstGeg(q.rstGeg, index), 8);
    vorangestelltAnhängen(z, 4, rstErh(q.rstErh), 9);
    z += u"  ";
    z += q.locator;
    rechtsbündigAnhängen(z, q.punkte, 7);
    z += u' ';
    z += q.kommentar.isEmpty() ? QStringView(u" ") : QStringView(q.kommentar);
    return z;
}

LogSeiten::Aufbau::Aufbau(const Kopf& kopf, Seite seite)
    : kopf_(kopf)
    , seite_(std::move(seite))
    , seiten_(seitenzahl(ValInt(kopf.nächsteNummer)))
{
}

void LogSeiten::Aufbau::hinzufügen(const QsoRecord& q)
{
    if (index_ % zeilenProSeite == 0) {
        if (index_ != 0) {
            zeilen_.append(Druckzeile::leer());
            // Str(): a leading blank stands for the sign.
            const QString wert = summe_ < 0 ? QString::number(summe_) : u' ' + QString::number(summe_);
            zeilen_.append(Druckzeile::text(
                { PrintItem::tab(44), PrintItem::text(u"Zwischensumme"_s + rechtsbündig(wert, 7)) }));
            zeilen_.append({ Druckzeile::Art::Seitenende, {} });
            seite_(std::exchange(zeilen_, {}));
        }
        kopf(zeilen_, kopf_, index_ / zeilenProSeite + 1, seiten_);
    }
    zeilen_.append(Druckzeile::text({ PrintItem::text(zeile(q, index_)) }));
    summe_ = std::llround(double(summe_) + Val(q.punkte));
    ++index_;
}

void LogSeiten::Aufbau::ende()
{
    zeilen_.append(Druckzeile::leer());
    zeilen_.append(Druckzeile::text(
        { PrintItem::tab(50), PrintItem::text(u"Endsumme"_s + rechtsbündig(kopf_.txtPunkte, 7)) }));
    seite_(std::exchange(zeilen_, {}));
}

QList<Druckzeile> LogSeiten::zeilen(const QList<QsoRecord>& qsos, const Kopf& k)
{
    QList<Druckzeile> z;
    z.reserve(qsos.size() + (qsos.size() / zeilenProSeite + 1) * 10);
    Aufbau aufbau(k, [&z](QList<Druckzeile>&& seite) { z.append(std::move(seite)); });
    for (const QsoRecord& q : qsos)
        aufbau.hinzufügen(q);
    aufbau.ende();
    return z;
}

LogSeiten::Aufbau::Seite LogSeiten::textSeiten(std::function<void(const QString&)> zeile)
{
    zeile(QString());
    // A page's closing form feed goes in front of the next page's first line.
    return [zeile = std::move(zeile), vorschub = false](QList<Druckzeile>&& seite) mutable {
        QStringList text = Zeilenausgabe::text(seite);
        if (vorschub && !text.isEmpty())
            text.first().prepend(u'\f');
        vorschub = !seite.isEmpty() && seite.last().art == Druckzeile::Art::Seitenende;
        if (vorschub)
            text.removeLast();
        for (const QString& z : text)
            zeile(z);
    };
}

void LogSeiten::drucken(PrinterSurface& d, const QList<Druckzeile>& zeilen)
{
    const auto schrift = [&d] {
        d.setSchriftart(u"Courier new"_s);
        d.setSchriftgröße(12);
        d.setFett(false);
        d.setKursiv(false);
    };
    schrift();
    // Each page is a job of its own; the font is set again for the next one.
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= zeilen.size(); ++i) {
        if (i < zeilen.size() && zeilen[i].art != Druckzeile::Art::Seitenende)
            continue;
        Zeilenausgabe::drucken(d, zeilen.sliced(anfang, i - anfang));
        d.dokumentEnde();
        schrift();
        anfang = i + 1;
    }
}

QStringList LogSeiten::text(const QList<Druckzeile>& zeilen)
{
    return QStringList { QString() } + Zeilenausgabe::text(zeilen);
}

} // namespace tarvex
