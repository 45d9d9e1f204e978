#include "logout/Deckblatt.h"
#include "support/LogFixture.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
class DeckblattTest : public test::LogFixture { };

TEST(Deckblatt, PairsKeepTheirColumnsAndCutValuesAtTheFront)
{
    // The golden cover sheet has the rest: an exactly full value, one cut at the front.
    const struct {
        QString l1, v1, l2, v2;
        QString zeile;
    } cases[] = {
        // an empty value keeps the label and the width of its pair
        { u"Genehmigungsklasse "_s, QString(), u"DOK "_s, QString(),
            u"         Genehmigungsklasse                       DOK                       "_s },
        { u"Wertungsgruppe "_s, u"1"_s, u"Rufzeichen "_s, u"OE5/DL1ABC/MM/P1"_s,
            u"         Wertungsgruppe                     1     Rufzeichen E5/DL1ABC/MM/P1"_s },
    };
    for (const auto& c : cases) {
        const QStringList text
            = Deckblatt::text({ Druckzeile::text(Deckblatt::zweiSpalten(c.l1, c.v1, c.l2, c.v2)) });
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0], c.zeile);
        EXPECT_EQ(text[0].size(), 76);
    }
}

// Boxes, rules, fonts and every text in its place: one job of one page.
TEST_F(DeckblattTest, PrintedSheetMatchesTheGoldenProtocol)
{
    kontakte(51);
    deckblattFüllen();
    Deckblatt::drucken(drucker, log.deckblatt());
    EXPECT_EQ(drucker.protokoll(), test::goldeneZeilen(u"deckblatt_druck.txt"_s));
}

// Within a printer's margins the sheet is reduced as a whole, so the signature
// labels stay on the one page with their rules; the layout itself is unchanged.
TEST_F(DeckblattTest, FitsOnePageWithinThePrintersMargins)
{
    kontakte(51);
    deckblattFüllen();
    Deckblatt::drucken(drucker, log.deckblatt());
    const QList<RecordingPrinterSurface::Eintrag> voll = drucker.einträge();
    const double layoutHöhe = voll.last(2).first().von.y() + RecordingPrinterSurface::zeilenhöheMm(12);
    ASSERT_GT(layoutHöhe, 297 - 2 * 5.0); // taller than a usual printable area

    for (const double rand : { 5.0, 12.7, 25.0 }) {
        SCOPED_TRACE(rand);
        RecordingPrinterSurface d(rand);
        Deckblatt::drucken(d, log.deckblatt());
        EXPECT_EQ(d.dokumente(), 1);
        EXPECT_EQ(d.seiten(1), 1);
        EXPECT_EQ(d.texte(1, 1).last(), u"Rufzeichen          Unterschrift"_s);
        const double f = (297 - 2 * rand) / layoutHöhe;
        ASSERT_EQ(d.einträge().size(), voll.size());
        for (qsizetype i = 0; i < voll.size(); ++i) {
            const auto& soll = voll[i];
            const auto& ist = d.einträge()[i];
            SCOPED_TRACE(RecordingPrinterSurface::zeile(soll).toStdString());
            EXPECT_NEAR(ist.von.x(), soll.von.x() * f, 1e-6);
            EXPECT_NEAR(ist.von.y(), soll.von.y() * f, 1e-6);
            EXPECT_NEAR(ist.bis.x(), soll.bis.x() * f, 1e-6);
            EXPECT_NEAR(ist.bis.y(), soll.bis.y() * f, 1e-6);
            if (soll.art == RecordingPrinterSurface::Eintrag::Art::Text) {
                EXPECT_NEAR(ist.schrift.größe, soll.schrift.größe * f, 1e-4);
            }
        }
        // The next document is drawn at full size again.
        d.drucke({ PrintItem::text(u"Journal"_s) });
        EXPECT_EQ(d.einträge().last().schrift.größe, 12.0f);
    }
}

} // namespace
} // namespace tarvex
