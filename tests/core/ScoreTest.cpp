#include "entry/Score.h"
#include "store/ContestDatabase.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct Kontakt {
    const char16_t* call;
    const char16_t* punkte;
    const char16_t* square;
    const char16_t* land;
};

Spielstand stand(const std::vector<Kontakt>& kontakte)
{
    test::WorkDir dir;
    auto db = ContestDatabase::anlegen(u"S.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
    int n = 0;
    for (const Kontakt& k : kontakte) {
        QsoRecord q;
        q.nummer = ++n;
        q.rufzeichen = QString::fromUtf16(k.call);
        q.punkte = QString::fromUtf16(k.punkte);
        q.square = QString::fromUtf16(k.square);
        q.land = QString::fromUtf16(k.land);
        db.qsoAnhängen(u"144MHz"_s, q);
    }
    return Punkte(db, u"144MHz"_s);
}

TEST(Score, TotalsOfValidContacts)
{
    const Spielstand s = stand({{u"DL1A", u"100", u"JO31", u"Deutschland"},
                                {u"G4X", u"250", u"IO91", u"England"},
                                {u"DK2B", u"200", u"JO31", u"Deutschland"},
                                {u"F5Z", u"-----", u" ", u" "}});
    EXPECT_EQ(s.txtPunkte, u"550"_s);
    EXPECT_EQ(s.txtODX, u"250"_s);
    EXPECT_EQ(s.lblODXCall, u"( G4X)"_s);
    EXPECT_EQ(s.txtDurchschnitt, u"183"_s);
    EXPECT_EQ(s.txtLänder, u"2"_s);
    EXPECT_EQ(s.txtGroßfelder, u"2"_s);
    EXPECT_EQ(s.txtNummer, u"005"_s); // the invalid contact uses up its number
    EXPECT_EQ(s.gültige, 3);
}

TEST(Score, AverageRoundsHalfUpAndBestCallIsTheEarliest)
{
    const Spielstand s = stand({{u"A1A", u"1", u"JO31", u"X"}, {u"B2B", u"2", u"JO31", u"X"},
                                {u"C3C", u"2", u"JO31", u"X"}, {u"D4D", u"1", u"JO31", u"X"}});
    EXPECT_EQ(s.txtDurchschnitt, u"2"_s); // 6 / 4 = 1.5
    EXPECT_EQ(s.lblODXCall, u"( B2B)"_s);
}

TEST(Score, EmptyAndOnlyInvalidBands)
{
    const Spielstand leer = stand({});
    EXPECT_EQ(leer.txtPunkte, u""_s);
    EXPECT_EQ(leer.txtODX, u""_s);
    EXPECT_EQ(leer.txtDurchschnitt, u""_s);
    EXPECT_EQ(leer.lblODXCall, u"( )"_s);
    EXPECT_EQ(leer.txtLänder, u"0"_s);
    EXPECT_EQ(leer.txtGroßfelder, u"0"_s);
    EXPECT_EQ(leer.txtNummer, u"001"_s);

    const Spielstand ungültig = stand({{u"A", u"-----", u" ", u" "}, {u"B", u"-----", u" ", u" "},
                                       {u"C", u"-----", u" ", u" "}});
    EXPECT_EQ(ungültig.txtPunkte, u""_s);
    EXPECT_EQ(ungültig.txtNummer, u"004"_s);
    EXPECT_EQ(ungültig.txtLänder, u"0"_s);
}

TEST(Score, SerialNumberDigits)
{
    const struct {
        qint64 n;
        const char16_t* text;
    } cases[] = {{1, u"001"}, {10, u"010"}, {999, u"999"}, {1000, u"1000"}, {9999, u"9999"}, {10000, u"10000"}};
    for (const auto& c : cases)
        EXPECT_EQ(laufendeNummer(c.n), QString::fromUtf16(c.text)) << c.n;
}

} // namespace
} // namespace tarvex
