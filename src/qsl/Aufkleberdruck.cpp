#include "Aufkleberdruck.h"

#include "common/Val.h"
#include "print/PrinterSurface.h"

#include <QTime>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

void schrift(PrinterSurface& d, const QString& name, float größe, bool kursiv = false, bool fett = false)
{
    d.setSchriftart(name);
    d.setSchriftgröße(größe);
    d.setKursiv(kursiv);
    d.setFett(fett);
}

// An empty line in a tiny font: the spacer between the label's blocks.
void abstand(PrinterSurface& d, const QString& name, bool kursiv = false)
{
    schrift(d, name, 3, kursiv);
    d.drucke();
}

QString rechtsbündig(const QString& text, int breite)
{
    return QString(QString(breite, u' ') + text).right(breite);
}

// "hh:mm" as stored becomes "hh.mm"; a time that does not read as one keeps its
// digits with the colon turned into a dot.
QString uhrzeit(const QString& zeit)
{
    const QTime t = QTime::fromString(zeit.trimmed(), u"h:mm"_s);
    if (t.isValid())
        return t.toString(u"hh.mm"_s);
    QString result = zeit;
    return result.replace(u':', u'.');
}

const QString kArial = u"Arial"_s;
const QString kCourier = u"Courier New"_s;

} // namespace

int Aufkleberdruck::anzahlProSpalte(const QString& text)
{
    const double n = Val(text);
    if (n < 1 || n != std::floor(n) || n > 32767)
        return 1;
    return int(n);
}

bool Aufkleberdruck::telegrafie(const QsoRecord& qso)
{
    return qso.rstGeg.size() >= 6 && qso.rstErh.size() >= 6;
}

QString Aufkleberdruck::qsoZeile(const QsoRecord& qso, const QString& band)
{
    const bool cw = telegrafie(qso);
    return qso.datum + u"  "_s + uhrzeit(qso.zeit) + (cw ? u"   CW"_s : u"  SSB"_s)
        + rechtsbündig(band.left(band.size() - 3), 7)
        // Four blanks before the points, then their last five characters.
        + QString(u"    "_s + qso.punkte).right(5) + u"km  "_s + qso.rstGeg.left(cw ? 3 : 2);
}

void Aufkleberdruck::etikett(PrinterSurface& d, double x, const Vorgaben& v, const QsoRecord& qso)
{
    using Z = PrinterSurface::Zeilenende;

    schrift(d, kArial, 13);
    d.setX(x);
    d.drucke({ PrintItem::text(u"       To Radio:   "_s) }, Z::Offen);
    d.setFett(true);
    d.drucke({ PrintItem::text(qso.kernCall) });
    d.setFett(false);

    abstand(d, kCourier);

    schrift(d, kCourier, 9, true);
    d.setX(x);
    d.drucke({ PrintItem::text(u"Confirming our contest-QSO:"_s) }, Z::Offen);
    d.setKursiv(false);
    d.setSchriftgröße(6);
    d.drucke({ PrintItem::text(u"  (ur number: "_s + qso.rstErh.right(3) + u')') });

    abstand(d, kCourier);

    schrift(d, kCourier, 9);
    d.setX(x);
    d.drucke({ PrintItem::text(u"  Date     UTC   2way   MHz    QRB  RST"_s) });
    d.setX(x);
    d.drucke({ PrintItem::text(qsoZeile(qso, v.band)) });

    abstand(d, kCourier);

    schrift(d, kArial, 9, true);
    d.setX(x);
    d.drucke({ PrintItem::text(v.station) });

    abstand(d, kArial, true);

    schrift(d, kArial, 10);
    d.setX(x);
    d.drucke({ PrintItem::text((v.pseQsl ? u"pse QSL"_s : u"tnx QSL"_s) + u"* vy 73 de "_s
        + v.eigenesRufzeichen + u" in "_s + v.eigenerLocator) });
}

int Aufkleberdruck::drucken(PrinterSurface& d, const Vorgaben& v, const QList<QsoRecord>& qsos)
{
    d.setMaßeinheit(PrinterSurface::Maßeinheit::Millimeter);
    const double spalteX[2] = { Val(v.linkerRand), Val(v.randZweiteSpalte) };
    const double oben = Val(v.obererRand);
    const double schritt = Val(v.höhe) + Val(v.vertikalerAbstand);
    const int anzahl = anzahlProSpalte(v.anzahl);
    int zeilen = 0; // label rows begun on this page
    int spalte = 1; // column of the next label
    double zeilenanfang = 0;
    int gedruckt = 0;
    for (const QsoRecord& qso : qsos) {
        if (!qso.qsl)
            continue;
        if (zeilen == 0)
            d.setY(oben);
        // The second label of a row starts level with the first, however far
        // the first one's lines went.
        if (spalte == 1)
            zeilenanfang = d.y();
        else
            d.setY(zeilenanfang);
        etikett(d, spalteX[spalte - 1], v, qso);
        ++gedruckt;
        if (v.zweiSpalten)
            spalte = 3 - spalte;
        if (!v.zweiSpalten || spalte == 2)
            ++zeilen;
        if (v.endlos)
            d.neueSeite();
        else
            d.setY(schritt * zeilen + oben);
        if (spalte == 1 && zeilen == anzahl) {
            zeilen = 0;
            d.neueSeite();
        }
    }
    d.dokumentEnde();
    return gedruckt;
}

} // namespace tarvex
