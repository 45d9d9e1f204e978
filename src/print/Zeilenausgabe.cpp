#include "Zeilenausgabe.h"

#include "PrinterSurface.h"
#include "common/TextFile.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// The text of one line; a tab to a column already passed starts a new line.
void textAnhängen(QStringList& zeilen, const QList<PrintItem>& posten)
{
    QString zeile;
    for (const PrintItem& p : posten) {
        if (p.art() == PrintItem::Art::Text) {
            zeile += p.inhalt();
            continue;
        }
        const qsizetype spalte = std::max(p.spalte(), 1) - 1;
        if (zeile.size() > spalte) {
            zeilen.append(zeile);
            zeile.clear();
        }
        zeile += QString(spalte - zeile.size(), u' ');
    }
    zeilen.append(zeile);
}

void schmuckZeichnen(PrinterSurface& d, Druckzeile::Schmuck schmuck)
{
    using Z = Zeilenausgabe;
    switch (schmuck) {
    case Druckzeile::Schmuck::Keiner:
        break;
    case Druckzeile::Schmuck::Regel:
        d.linie(Punkt::rel(Z::regelAbstand, 0), Punkt::rel(Z::regelLänge, 0));
        break;
    case Druckzeile::Schmuck::Unterschriften:
        d.linie(Punkt::rel(Z::rufzeichenAbstand, 0), Punkt::rel(Z::rufzeichenLänge, 0));
        d.linie(Punkt::rel(Z::unterschriftAbstand, 0), Punkt::rel(Z::unterschriftLänge, 0));
        break;
    }
}

} // namespace

void Zeilenausgabe::drucken(PrinterSurface& d, const QList<Druckzeile>& zeilen)
{
    for (const Druckzeile& z : zeilen) {
        switch (z.art) {
        case Druckzeile::Art::Seitenende:
            d.dokumentEnde();
            continue;
        case Druckzeile::Art::Titel: {
            // The headline stands at the left edge, indented by blanks.
            const float größe = d.schriftgröße();
            d.setSchriftgröße(titelgröße);
            d.setFett(true);
            QList<PrintItem> posten;
            for (const PrintItem& p : z.posten)
                if (p.art() == PrintItem::Art::Text)
                    posten.append(p);
            if (!posten.isEmpty())
                posten.first() = PrintItem::text(u"     "_s + posten.first().inhalt());
            d.drucke(posten);
            d.setFett(false);
            d.setSchriftgröße(größe);
            continue;
        }
        case Druckzeile::Art::Zeile:
            break;
        }
        schmuckZeichnen(d, z.schmuck);
        if (z.schmuck != Druckzeile::Schmuck::Keiner && z.posten.isEmpty()) {
            // The rules leave the position where they end; the line still ends.
            d.drucke();
            continue;
        }
        const qsizetype kursiv = std::min<qsizetype>(z.kursiv, z.posten.size());
        if (kursiv > 0) {
            d.setKursiv(true);
            d.drucke(z.posten.first(kursiv), PrinterSurface::Zeilenende::Offen);
            d.setKursiv(false);
        }
        d.drucke(z.posten.sliced(kursiv));
    }
}

double Zeilenausgabe::höhe(PrinterSurface& d, const QList<Druckzeile>& zeilen)
{
    const double zeile = d.zeilenhöhe();
    const float größe = d.schriftgröße();
    d.setSchriftgröße(titelgröße);
    const double titel = d.zeilenhöhe();
    d.setSchriftgröße(größe);
    double summe = 0;
    for (const Druckzeile& z : zeilen) {
        if (z.art != Druckzeile::Art::Seitenende)
            summe += z.art == Druckzeile::Art::Titel ? titel : zeile;
    }
    return summe;
}

QStringList Zeilenausgabe::text(const QList<Druckzeile>& zeilen)
{
    QStringList text;
    bool seitenvorschub = false;
    for (const Druckzeile& z : zeilen) {
        if (z.art == Druckzeile::Art::Seitenende) {
            seitenvorschub = true;
            continue;
        }
        const qsizetype vorher = text.size();
        if (z.art == Druckzeile::Art::Titel) {
            QList<PrintItem> posten { PrintItem::tab(10) };
            posten.append(z.posten);
            textAnhängen(text, posten);
        } else {
            textAnhängen(text, z.posten);
        }
        if (seitenvorschub) {
            // The form feed has no line end of its own: the next line follows it directly.
            text[vorher].prepend(u'\f');
            seitenvorschub = false;
        }
    }
    if (seitenvorschub)
        text.append(u"\f"_s);
    return text;
}

void Zeilenausgabe::anhängen(const QString& pfad, const QStringList& zeilen)
{
    TextFileWriter datei(pfad, TextFileWriter::Mode::Append);
    for (const QString& zeile : zeilen)
        datei.writeLine(zeile);
    datei.close();
}

} // namespace tarvex
