#include "logout/Deckblatt.h"
#include "support/LogFixture.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
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

// Boxes, rules, fonts and every text in its place: one job of one page.
TEST_F(DeckblattTest, PrintedSheetMatchesTheGoldenProtocol)
{
    kontakte(51);
    deckblattFüllen();
    Deckblatt::drucken(drucker, log.deckblatt());
    EXPECT_EQ(drucker.protokoll(), test::goldeneZeilen(u"deckblatt_druck.txt"_s));
}

} // namespace
} // namespace tarvex
