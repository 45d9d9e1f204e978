#include "Deckblatt.h"

#include "LogFelder.h"
#include "entry/JournalLine.h"
#include "entry/Spielstand.h"
#include "print/PrinterSurface.h"
#include "print/Zeilenausgabe.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

constexpr int linkeSpalte = 10;
constexpr int linkeBreite = 36;
constexpr int rechteSpalte = 51;
constexpr int rechteBreite = 26;
constexpr int antennenhöhenSpalte = 40;

QList<PrintItem> paar(int spalte, int breite, const QString& etikett, const QString& wert)
{
    return { PrintItem::tab(spalte), PrintItem::text(etikett + rechtsbündig(wert, breite - etikett.size())) };
}

Druckzeile beiSpalte10(const QString& text)
{
    return Druckzeile::text({ PrintItem::tab(linkeSpalte), PrintItem::text(text) });
}

} // namespace

QList<PrintItem> Deckblatt::zweiSpalten(const QString& linkesEtikett, const QString& linkerWert,
    const QString& rechtesEtikett, const QString& rechterWert)
{
    return paar(linkeSpalte, linkeBreite, linkesEtikett, linkerWert)
        + paar(rechteSpalte, rechteBreite, rechtesEtikett, rechterWert);
}

QList<Druckzeile> Deckblatt::zeilen(
    const LogFelder& f, const QString& call, const QString& locator, const Spielstand& stand)
{
    using F = LogFeld;
    using S = Druckzeile::Schmuck;
    const Druckzeile leer = Druckzeile::leer();
    QList<Druckzeile> z;
    const auto leerzeilen = [&](int n) {
        for (int i = 0; i < n; ++i)
            z.append(leer);
    };

    leerzeilen(3);
    z.append(Druckzeile::text({ PrintItem::tab(linkeSpalte), PrintItem::text(u"Tarvex"_s) }, 2));
    leerzeilen(2);
    z.append({ Druckzeile::Art::Titel, { PrintItem::text(u"DARC VHF-, UHF-, Mikrowellen-Wettbewerb"_s) } });
    leerzeilen(3);

    const QList<PrintItem> werte[] = {
        zweiSpalten(u"Wettbewerb "_s, f.text(F::Wettbewerb), u"Datum "_s, f.text(F::Datum)),
        zweiSpalten(u"Wertungsgruppe "_s, f.text(F::Wertungsgruppe), u"Rufzeichen "_s, call),
        zweiSpalten(u"Genehmigungsklasse "_s, f.text(F::Lizenzklasse), u"DOK "_s, f.text(F::DOK)),
        zweiSpalten(u"Gearbeitete Großfelder "_s, stand.txtGroßfelder, u"Locator "_s, locator),
        zweiSpalten(u"Gearbeitete Länder "_s, stand.txtLänder, u"Einmann/Mehrmann "_s, f.text(F::Einmann)),
        zweiSpalten(u"Punkte pro QSO "_s, stand.txtDurchschnitt, u"Gültige Verbindungen "_s,
            QString::number(stand.gültige)),
        zweiSpalten(
            u"Weiteste Verbindung "_s, stand.txtODX + u" km"_s, u"Gesamtpunktzahl "_s, stand.txtPunkte),
    };
    for (const QList<PrintItem>& zeile : werte) {
        z.append(Druckzeile::text(zeile));
        z.append(leer);
    }
    leerzeilen(5);
    z.append(Druckzeile::leer(S::Regel));

    z.append(beiSpalte10(u"Anschrift des verantwortlichen Funkamateurs:"_s));
    z.append(leer);
    z.append(beiSpalte10(f.text(F::Name)));
    z.append(beiSpalte10(f.text(F::Straße)));
    z.append(beiSpalte10(f.text(F::Ort)));
    z.append(leer);
    z.append(Druckzeile::leer(S::Regel));

    z.append(beiSpalte10(u"Angaben zur verwendeten Station:"_s));
    z.append(leer);
    z.append(Druckzeile::text(zweiSpalten(
        u"Sender "_s, f.text(F::Sender), u"Ausgangsleistung "_s, f.text(F::Ausgangsleistung) + u" W"_s)));
    z.append(leer);
    z.append(Druckzeile::text(
        zweiSpalten(u"Empfänger "_s, f.text(F::Empfänger), u"Eingangsstufe "_s, f.text(F::Eingangsstufe))));
    z.append(leer);
    z.append(Druckzeile::text(paar(linkeSpalte, 8 + 20, u"Antenne "_s, f.text(F::Antenne))
        + QList { PrintItem::tab(antennenhöhenSpalte),
            PrintItem::text(u"Höhe über Grund "_s + f.text(F::ÜberGrund) + u" m, über NN "_s
                + f.text(F::ÜberNN) + u" m"_s) }));
    leerzeilen(2);

    z.append(beiSpalte10(u"Ich bestätige, daß die Lizenzbestimmungen und die Wettbewerbsregeln"_s));
    z.append(beiSpalte10(u"eingehalten wurden."_s));
    z.append(leer);
    z.append(beiSpalte10(u"Verantwortlicher Funkamateur"_s));
    // A signature line is empty in the file; on paper two rules stand on it.
    const Druckzeile unterschrift = Druckzeile::leer(S::Unterschriften);
    z.append(unterschrift);
    z.append(beiSpalte10(u"Weitere Funkamateure"_s));
    z.append(unterschrift);
    z.append(leer);
    z.append(unterschrift);
    z.append(beiSpalte10(u"Weitere Unterschriften"_s));
    z.append(unterschrift);
    z.append(beiSpalte10(u"auf der Rückseite"_s));
    z.append(unterschrift);
    z.append(Druckzeile::text(
        { PrintItem::tab(antennenhöhenSpalte), PrintItem::text(u"Rufzeichen          Unterschrift"_s) }));
    return z;
}

void Deckblatt::drucken(PrinterSurface& d, const QList<Druckzeile>& zeilen)
{
    d.setSchriftart(u"Courier new"_s);
    d.setMaßeinheit(PrinterSurface::Maßeinheit::Millimeter);
    d.setSchriftgröße(12);
    d.setFett(false);
    d.setKursiv(false);
    // One sheet, also within a printer's margins: the whole layout is reduced
    // rather than its last line going onto a second sheet.
    const double höhe = Zeilenausgabe::höhe(d, zeilen);
    if (höhe > d.druckbereichHöhe())
        d.setMaßstab(d.druckbereichHöhe() / höhe);
    const auto kasten = [&d](double x1, double x2) {
        d.linie(Punkt::abs(x1, 0), Punkt::abs(x2, 8), PrinterSurface::Linienart::Rechteck);
    };
    kasten(21, 76);
    kasten(87, 98);
    kasten(103, 114);
    d.setX(0);
    d.setY(0);
    Zeilenausgabe::drucken(d, zeilen);
    d.dokumentEnde();
}

QStringList Deckblatt::text(const QList<Druckzeile>& zeilen)
{
    return Zeilenausgabe::text(zeilen);
}

} // namespace tarvex
