#include "logout/Deckblatt.h"
#include "logout/LogFelder.h"
#include "support/LogFixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Surface = RecordingPrinterSurface;
using Art = Surface::Eintrag::Art;

const double w = Surface::zeichenbreiteMm(12);
const double h = Surface::zeilenhöheMm(12);
const double h21 = Surface::zeilenhöheMm(21);

class DeckblattTest : public test::LogFixture {};

TEST(Deckblatt, PairsKeepTheirColumnsAndCutValuesAtTheFront)
{
    // The golden cover sheet has the rest: an exactly full value, one cut at the front.
    const struct {
        QString l1, v1, l2, v2;
        QString zeile;
    } cases[] = {
        // an empty value keeps the label and the width of its pair
        {u"Genehmigungsklasse "_s, QString(), u"DOK "_s, QString(),
         u"         Genehmigungsklasse                       DOK                       "_s},
        {u"Wertungsgruppe "_s, u"1"_s, u"Rufzeichen "_s, u"OE5/DL1ABC/MM/P1"_s,
         u"         Wertungsgruppe                     1     Rufzeichen E5/DL1ABC/MM/P1"_s},
    };
    for (const auto& c : cases) {
        const QStringList text = Deckblatt::text({Druckzeile::text(Deckblatt::zweiSpalten(c.l1, c.v1, c.l2, c.v2))});
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0], c.zeile);
        EXPECT_EQ(text[0].size(), 76);
    }
}

TEST_F(DeckblattTest, PrintedSheetHasItsBoxesRulesFontsAndOneJob)
{
    kontakte(51);
    deckblattFüllen();
    const QList<Druckzeile> zeilen = log.deckblatt();
    Deckblatt::drucken(drucker, zeilen);

    EXPECT_EQ(drucker.dokumente(), 1);
    EXPECT_EQ(drucker.abgeschlosseneDokumente(), 1);
    EXPECT_EQ(drucker.seiten(1), 1);

    QStringList rechtecke, linien;
    for (const auto& e : drucker.einträge()) {
        if (e.art == Art::Rechteck)
            rechtecke.append(Surface::zeile(e));
        if (e.art == Art::Linie)
            linien.append(Surface::zeile(e));
    }
    EXPECT_EQ(rechtecke, QStringList({u"Rechteck 1.1 (21.00, 0.00)-(76.00, 8.00)"_s,
                                      u"Rechteck 1.1 (87.00, 0.00)-(98.00, 8.00)"_s,
                                      u"Rechteck 1.1 (103.00, 0.00)-(114.00, 8.00)"_s}));

    // Lines below the headline, counted from 0: the two rules on lines 22 and 29,
    // signature pairs on the empty lines after their captions.
    const auto zeileY = [](int k) { return 6 * h + h21 + k * h; };
    const auto linie = [&](int von, int bis, int k) {
        return u"Linie 1.1 (%1.00, %2)-(%3.00, %2)"_s.arg(von).arg(zeileY(k), 0, 'f', 2).arg(bis);
    };
    QStringList erwartet = {linie(21, 221, 22), linie(21, 221, 29)};
    for (const int k : {43, 45, 47, 49, 51})
        erwartet << linie(95, 125, k) << linie(135, 190, k);
    EXPECT_EQ(linien, erwartet);

    // Fonts: the program name in italics, the headline large and bold, all else upright 12.
    const auto texte = [&] {
        QList<Surface::Eintrag> t;
        for (const auto& e : drucker.einträge())
            if (e.art == Art::Text)
                t.append(e);
        return t;
    }();
    ASSERT_GE(texte.size(), 2);
    EXPECT_EQ(Surface::zeile(texte[0]), u"Text 1.1 (22.86, 14.39) Courier new 12 kursiv: \"Tarvex\""_s);
    EXPECT_EQ(texte[1].text, u"     DARC VHF-, UHF-, Mikrowellen-Wettbewerb"_s);
    EXPECT_EQ(texte[1].schrift, (Schrift{u"Courier new"_s, 21, true, false}));
    EXPECT_NEAR(texte[1].von.x(), 0, 1e-9);
    for (qsizetype i = 2; i < texte.size(); ++i)
        EXPECT_EQ(texte[i].schrift, (Schrift{u"Courier new"_s, 12, false, false})) << texte[i].text.toStdString();
    // The labels under the last signature pair stand on the next line, at column 40.
    EXPECT_EQ(texte.last().text, u"Rufzeichen          Unterschrift"_s);
    EXPECT_NEAR(texte.last().von.x(), 39 * w, 1e-9);
    EXPECT_NEAR(texte.last().von.y(), zeileY(52), 1e-9);

    // Every label and value stands in the column the file gives it; only the
    // headline differs (left edge with blanks on paper, column 10 in the file).
    QStringList datei = test::ohneLeerzeilen(Deckblatt::text(zeilen));
    datei.removeAll(u"         DARC VHF-, UHF-, Mikrowellen-Wettbewerb"_s);
    EXPECT_EQ(test::ohneLeerzeilen(test::gedruckteZeilen(drucker, 1)), datei);
}

} // namespace
} // namespace tarvex
