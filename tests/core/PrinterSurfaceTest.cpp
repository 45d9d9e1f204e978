#include "support/QtPrinters.h"
#include "support/RecordingPrinterSurface.h"

#include <functional>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Surface = RecordingPrinterSurface;
using Art = Surface::Eintrag::Art;

// Character width and line height at 12 pt in the recording model.
const double w = Surface::zeichenbreiteMm(12);
const double h = Surface::zeilenhöheMm(12);

TEST(PrinterSurface, TabStopsAndLineEnds)
{
    using P = PrintItem;
    constexpr auto offen = PrinterSurface::Zeilenende::Offen;
    constexpr auto ende = PrinterSurface::Zeilenende::Beenden;
    const struct {
        const char* name;
        QList<PrintItem> posten;
        PrinterSurface::Zeilenende zeilenende;
        double x, y; // in character widths and line heights
    } cases[] = {
        { "tab from the left edge", { P::tab(10) }, offen, 9, 0 },
        { "tab to where the text ends", { P::text(u"AB"_s), P::tab(3) }, offen, 2, 0 },
        { "tab behind the text", { P::text(u"ABC"_s), P::tab(3) }, offen, 2, 1 },
        { "column 0 is column 1", { P::text(u"A"_s), P::tab(0) }, offen, 0, 1 },
        { "items without gaps", { P::text(u"AB"_s), P::wert(523), P::text(u"C"_s) }, offen, 6, 0 },
        { "line end after text", { P::text(u"ABC"_s) }, ende, 0, 1 },
        { "no items ends the line", {}, ende, 0, 1 },
        { "no items left open", {}, offen, 0, 0 },
    };
    for (const auto& c : cases) {
        Surface s;
        s.drucke(c.posten, c.zeilenende);
        EXPECT_NEAR(s.x(), c.x * w, 1e-9) << c.name;
        EXPECT_NEAR(s.y(), c.y * h, 1e-9) << c.name;
    }
}

TEST(PrinterSurface, TextRunningPastTheBottomGoesOnOnTheNextPage)
{
    const struct {
        double rand;
        int seitenhöheTwips; // 0: A4
        int zeilenProSeite;
    } cases[] = { { 5, 0, 59 }, { 0, 2268, 8 } };
    for (const auto& c : cases) {
        Surface s(c.rand);
        if (c.seitenhöheTwips)
            s.setSeitenhöhe(c.seitenhöheTwips);
        for (int i = 0; i <= c.zeilenProSeite; ++i)
            s.drucke({ PrintItem::tab(3), PrintItem::wert(i) });
        const auto& e = s.einträge();
        const auto& letzteAufSeite1 = e.at(e.size() - 3);
        EXPECT_EQ(letzteAufSeite1.seite, 1) << c.zeilenProSeite;
        EXPECT_NEAR(letzteAufSeite1.von.y(), (c.zeilenProSeite - 1) * h, 1e-9);
        EXPECT_EQ(e.at(e.size() - 2).art, Art::Seite);
        EXPECT_EQ(e.last().text, QString::number(c.zeilenProSeite));
        EXPECT_EQ(e.last().seite, 2);
        EXPECT_DOUBLE_EQ(e.last().von.y(), 0);
        EXPECT_DOUBLE_EQ(e.last().von.x(), 2 * w) << "the line keeps its column";
        EXPECT_NEAR(s.y(), h, 1e-9);
    }
}

TEST(PrinterSurface, DocumentsAndPages)
{
    using P = PrintItem;
    const struct {
        const char* name;
        std::function<void(Surface&)> drucken;
        QStringList erwartet;
    } cases[] = {
        { "nothing printed, nothing handed over",
            [](Surface& s) {
                s.drucke();
                s.drucke({ P::text(QString()) });
                s.neueSeite();
                s.dokumentEnde();
            },
            {} },
        { "a new page at the end prints no empty page",
            [](Surface& s) {
                s.drucke({ P::text(u"A"_s) });
                s.neueSeite();
                s.dokumentEnde();
            },
            { u"Dokument 1"_s, u"Text 1.1 (0.00, 0.00) Courier New 12: \"A\""_s, u"Ende 1"_s } },
        { "a new page begins at the top left",
            [](Surface& s) {
                s.drucke({ P::text(u"A"_s) });
                s.setX(50);
                s.neueSeite();
                s.drucke({ P::text(u"B"_s) });
            },
            { u"Dokument 1"_s, u"Text 1.1 (0.00, 0.00) Courier New 12: \"A\""_s, u"Seite 1.2"_s,
                u"Text 1.2 (0.00, 0.00) Courier New 12: \"B\""_s } },
        { "two new pages leave one empty",
            [](Surface& s) {
                s.drucke({ P::text(u"A"_s) }, PrinterSurface::Zeilenende::Offen);
                s.neueSeite();
                s.neueSeite();
                s.drucke({ P::tab(2), P::text(u"B"_s) });
            },
            { u"Dokument 1"_s, u"Text 1.1 (0.00, 0.00) Courier New 12: \"A\""_s, u"Seite 1.2"_s,
                u"Seite 1.3"_s, u"Text 1.3 (2.54, 0.00) Courier New 12: \"B\""_s } },
        { "after the end the next output is a new document at the top",
            [](Surface& s) {
                s.drucke({ P::text(u"A"_s) });
                s.dokumentEnde();
                s.linie(Punkt::rel(1, 1), Punkt::rel(2, 0));
                s.dokumentEnde();
            },
            { u"Dokument 1"_s, u"Text 1.1 (0.00, 0.00) Courier New 12: \"A\""_s, u"Ende 1"_s, u"Dokument 2"_s,
                u"Linie 2.1 (1.00, 1.00)-(3.00, 1.00)"_s, u"Ende 2"_s } },
    };
    for (const auto& c : cases) {
        Surface s;
        c.drucken(s);
        EXPECT_EQ(s.protokoll(), c.erwartet) << c.name;
    }
}

} // namespace
} // namespace tarvex
