#include "stats/Grossfeldraster.h"
#include "stats/KarteModel.h"
#include "stats/Kartenpunkt.h"
#include "stats/LocatorTextModel.h"
#include "stats/LocatorsucheModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Element = Kartenzeichnung::Element;
using Zelle = std::pair<qint16, qint16>;

TEST(KarteGitter, CellNames)
{
    const struct {
        int zeile, spalte;
        const char16_t* name;
    } fälle[] = {
        { 5, 0, u"IP54" },
        { 5, 19, u"KP44" },
        { 34, 0, u"IM55" },
        { 34, 19, u"KM45" },
        { 18, 8, u"JO31" },
        { 10, 4, u"IO99" },
        { 18, 15, u"KO01" },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Großfeldraster::name(f.zeile, f.spalte), QString::fromUtf16(f.name))
            << f.zeile << ',' << f.spalte;
}

TEST(KarteGitter, SearchFindsTheFirstCellOrNothing)
{
    Großfeldraster karte(19), text(17);
    karte.suchen(u"JO31"_s);
    EXPECT_EQ(std::pair(karte.zeile, karte.spalte), Zelle(18, 8));
    karte.suchen(u"KM45"_s);
    EXPECT_EQ(std::pair(karte.zeile, karte.spalte), Zelle(34, 19));
    text.suchen(u"KM45"_s); // east of the text map's last column
    EXPECT_EQ(std::pair(text.zeile, text.spalte), Zelle(-1, -1));
    for (const QString& fremd : { u"FN42"_s, u"jo31"_s, u""_s }) {
        karte.suchen(fremd);
        EXPECT_EQ(karte.zeile, -1) << fremd.toStdString();
        EXPECT_EQ(karte.spalte, -1) << fremd.toStdString();
    }
}

TEST(KarteGitter, CountsNegativeOnlyForTheOwnSquareInItsExactCase)
{
    Großfeldraster g(19);
    g.Belegen({ { u"JO31"_s, 5 }, { u"JO30"_s, 3 }, { u"FN42"_s, 7 }, { u"jo32"_s, 2 } }, u"JO31"_s);
    EXPECT_EQ(g.zelle(18, 8), u"-5"_s);
    EXPECT_EQ(g.zelle(19, 8), u"3"_s);
    EXPECT_EQ(g.zelle(17, 8), u"JO32"_s);
    g.Belegen({ { u"JO31"_s, 4 } }, u"jo31"_s); // a cell already counted is not found again
    EXPECT_EQ(g.zelle(18, 8), u"-5"_s);
    g.Erzeugen();
    g.Belegen({ { u"JO31"_s, 4 } }, u"jo31"_s);
    EXPECT_EQ(g.zelle(18, 8), u"4"_s);

    // The corners of both tables; what lies east of the text map's last column is skipped there.
    const QList<Gruppensumme> ecken { { u"IP54"_s, 1 }, { u"KP44"_s, 2 }, { u"IM55"_s, 3 }, { u"KM45"_s, 4 },
        { u"KM27"_s, 5 }, { u"JQ31"_s, 6 }, { u"IP53"_s, 7 }, { u"JO3A"_s, 8 } };
    Großfeldraster karte(19), text(17);
    karte.Belegen(ecken, {});
    text.Belegen(ecken, {});
    EXPECT_EQ(karte.zelle(5, 0), u"1"_s);
    EXPECT_EQ(karte.zelle(5, 19), u"2"_s);
    EXPECT_EQ(karte.zelle(34, 0), u"3"_s);
    EXPECT_EQ(karte.zelle(34, 19), u"4"_s);
    EXPECT_EQ(text.zelle(34, 17), u"KM25"_s);
    EXPECT_EQ(text.zelle(34, 0), u"3"_s);
    for (int z = Großfeldraster::kErsteZeile; z <= Großfeldraster::kLetzteZeile; ++z) {
        for (int s = 0; s <= 17; ++s)
            EXPECT_NE(text.zelle(z, s), u"4"_s) << z << ',' << s;
    }
}

TEST(KartePunkt, LocatorToTwips)
{
    const struct {
        const char16_t* locator;
        int x, y;
    } fälle[] = {
        { u"JO31AB", 3848, 3350 }, // 8 × 481, 7200 − (16 + 1/24) × 240
        { u"IP54AA", 0, 240 }, // south-west corner of the top-left square
        { u"KM25AA", 8177, 7200 }, { u"JO31MA", 4088, 7200 - 3840 }, // 4088.5 rounds to the even 4088
        { u"JO41MA", 4570, 7200 - 3840 }, // 4569.5 rounds to the even 4570
        { u"JO31AX", 3848, 3360 - 230 }, { u"FN42AA", -14911, 5520 }, // off the picture, still a point
    };
    for (const auto& f : fälle) {
        const std::optional<QPoint> p = kartenpunkt(QString::fromUtf16(f.locator));
        ASSERT_TRUE(p.has_value()) << QString::fromUtf16(f.locator).toStdString();
        EXPECT_EQ(*p, QPoint(f.x, f.y)) << QString::fromUtf16(f.locator).toStdString();
    }
}

TEST(KartePunkt, NoPointForMalformedOrHugeLocators)
{
    for (const QString& l : { u""_s, u"JO31"_s, u"JO31ab"_s, u"JO31ABCD"_s, u"SO31AB"_s, u"JO31YA"_s })
        EXPECT_FALSE(kartenpunkt(l).has_value()) << l.toStdString();
}

// The fixture's contest: own station DL0XX in JO31AA, 144 MHz current.
class KarteModelTest : public test::ContestFixture {
protected:
    // Contacts go in through a connection of the test's own: durability is not
    // what is tested here, and a dozen synced saves per test would be.
    KarteModelTest() { roh.exec(u"PRAGMA synchronous=OFF"_s); }

    void kontakt(const QString& locator, bool gültig = true, const QString& band = u"144MHz"_s)
    {
        QsoRecord q;
        q.nummer = ++nummer_;
        q.rufzeichen = u"DL%1X"_s.arg(nummer_);
        q.locator = locator;
        q.punkte = gültig ? u"100"_s : kUngültigePunkte;
        q.square = gültig ? locator.left(4) : u" "_s;
        q.land = gültig ? u"Deutschland"_s : u" "_s;
        roh.execute(u"INSERT INTO "_s + quoteIdentifier(band)
                + u"(Nummer,Rufzeichen,Locator,Punkte,Square,Land) VALUES(?,?,?,?,?,?)"_s,
            { q.nummer, q.rufzeichen, q.locator, q.punkte, q.square, q.land });
    }
    // Five valid contacts in the own square JO31, three in JO30, one invalid in
    // JO31, one off the grid and two with a lower-case square.
    void beispielLog()
    {
        for (int i = 0; i < 5; ++i)
            kontakt(u"JO31CD"_s);
        for (int i = 0; i < 3; ++i)
            kontakt(u"JO30EF"_s);
        kontakt(u"JO31GH"_s, false);
        kontakt(u"FN42AA"_s);
        kontakt(u"jo32aa"_s);
        kontakt(u"jo32aa"_s);
        model.Punkte();
    }
    int nummer_ = 0;
    Connection roh { dir.pfad(u"TEST.mdb"_s), Connection::Zugriff::LesenSchreiben };
    KarteModel karte { model, prompter };
    LocatorTextModel textKarte { model, prompter };
};

TEST_F(KarteModelTest, SquareCountsOnTheGraphicMap)
{
    beispielLog();
    roh.exec(u"INSERT INTO TMP VALUES(1,'JO31','X')"_s);
    karte.großfelder();
    const QList<Element> zählungen { { Element::Art::Text, { 8 * 486 - 120, 13 * 240 }, {}, 0, u"   5"_s,
                                         14 },
        { Element::Art::Text, { 8 * 486 - 120, 14 * 240 }, {}, 0, u"   3"_s, 15 } };
    EXPECT_EQ(karte.zeichnung().elemente(), zählungen);
    EXPECT_EQ(roh.scalar(u"SELECT COUNT(*) FROM TMP"_s).toInt(), 0);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // The square view starts afresh: lines of another view are gone.
    karte.QSOKarte();
    karte.großfelder();
    EXPECT_EQ(karte.zeichnung().elemente(), zählungen);
}

// 144 MHz holds only an invalid contact, 432 MHz nothing.
TEST_F(KarteModelTest, AnUnworkedBandShowsOnlyTheGrid)
{
    kontakt(u"JO31CD"_s, false);
    model.Punkte();
    karte.großfelder();
    EXPECT_TRUE(karte.zeichnung().elemente().isEmpty());
    EXPECT_EQ(karte.gitter().zelle(18, 8), u"JO31"_s);

    model.bandWechseln(u"432MHz"_s);
    karte.KarteZeigen();
    karte.QSOKarte(); // does not clear: the QTH view stays
    EXPECT_EQ(karte.zeichnung().elemente().size(), 2);
    karte.qsos();
    EXPECT_TRUE(karte.zeichnung().elemente().isEmpty());

    textKarte.aktivieren();
    const QStringList zeilen = textKarte.text();
    ASSERT_EQ(zeilen.size(), 30);
    EXPECT_TRUE(zeilen.first().startsWith(u"IP54 IP64 IP74 IP84 IP94 JP04 "_s))
        << zeilen.first().toStdString();
    EXPECT_TRUE(zeilen.last().endsWith(u"KM25 "_s)) << zeilen.last().toStdString();
    for (const QString& z : zeilen)
        EXPECT_EQ(z.size(), 90);
}

TEST_F(KarteModelTest, TextMapCountsAndColoursAreRecomputedOnActivation)
{
    beispielLog();
    textKarte.aktivieren();
    const auto zelle = [&](int r, int c) { return textKarte.zeilen()[r - 5][c]; };
    EXPECT_EQ(zelle(18, 8), (LocatorTextModel::Zelle { u"   5 "_s, 4 }));
    EXPECT_EQ(zelle(19, 8), (LocatorTextModel::Zelle { u"   3 "_s, 14 }));
    EXPECT_EQ(zelle(17, 8), (LocatorTextModel::Zelle { u"JO32 "_s, 0 }));
    EXPECT_EQ(textKarte.text()[13].mid(40, 5), u"   5 "_s);

    kontakt(u"JO30AA"_s);
    textKarte.aktivieren();
    EXPECT_EQ(zelle(19, 8), (LocatorTextModel::Zelle { u"   4 "_s, 14 }));
}

TEST_F(KarteModelTest, QthViewWithAndWithoutThePartner)
{
    EntryFields& f = model.entry().felder();
    int gezeigt = 0;
    QObject::connect(&karte, &KarteModel::showRequested, [&] { ++gezeigt; });
    const QPoint eigen(3848, 3360);
    const Element eigenerKreis { Element::Art::Kreis, eigen, {}, 25, {}, 14 };
    const Element eigenerCall { Element::Art::Text, eigen, {}, 0, u"DL0XX"_s, 11 };

    const struct {
        const char16_t* locator;
        bool partner;
    } fälle[] = { { u"", false }, { u"jo62qm", false }, { u"JO62QM", true } };
    for (const auto& fall : fälle) {
        f.txtCall = u"DK2XY"_s;
        f.txtLocator = QString::fromUtf16(fall.locator);
        karte.qth();
        QList<Element> erwartet { eigenerKreis, eigenerCall };
        if (fall.partner) {
            const QPoint p = *kartenpunkt(u"JO62QM"_s);
            erwartet += { { Element::Art::Kreis, p, {}, 25, {}, 14 },
                { Element::Art::Text, p, {}, 0, u"DK2XY"_s, 11 },
                { Element::Art::Linie, eigen, p, 0, {}, 15 } };
        }
        EXPECT_EQ(karte.zeichnung().elemente(), erwartet) << QString::fromUtf16(fall.locator).toStdString();
    }
    EXPECT_EQ(gezeigt, 3);

    // From the menu it draws over what is there.
    karte.KarteZeigen();
    EXPECT_EQ(karte.zeichnung().elemente().size(), 10);
}

TEST_F(KarteModelTest, ContactLinesIncludeInvalidContactsUpToTheLoggedNumber)
{
    kontakt(u"JO62QM"_s);
    kontakt(u"IO91AA"_s, false);
    kontakt(u"JO31"_s); // cannot be drawn
    kontakt(u"JN48XX"_s);
    model.Punkte();
    ASSERT_EQ(model.felder().txtNummer, u"005"_s);
    karte.qsos();
    const QPoint eigen(3848, 3360);
    QList<Element> erwartet;
    for (const QString& l : { u"JO62QM"_s, u"IO91AA"_s, u"JN48XX"_s })
        erwartet.append({ Element::Art::Linie, eigen, *kartenpunkt(l), 0, {}, 15 });
    erwartet.append({ Element::Art::Kreis, eigen, {}, 25, {}, 5 });
    EXPECT_EQ(karte.zeichnung().elemente(), erwartet);

    // Only as many records as the next serial number says were logged.
    model.entry().felder().txtNummer = u"002"_s;
    karte.qsos();
    ASSERT_EQ(karte.zeichnung().elemente().size(), 2);
    EXPECT_EQ(karte.zeichnung().elemente()[0].b, *kartenpunkt(u"JO62QM"_s));
    model.entry().felder().txtNummer.clear(); // no lines, but the band has rows: the circle
    karte.qsos();
    EXPECT_EQ(
        karte.zeichnung().elemente(), (QList<Element> { { Element::Art::Kreis, eigen, {}, 25, {}, 5 } }));
}

TEST_F(KarteModelTest, HoverNamesTheSquareAndItsCountAndTheFileIsNamedAfterTheBand)
{
    beispielLog();
    const struct {
        QPoint pixel;
        const char16_t* text;
    } fälle[] = {
        { { 8 * 32 + 5, 13 * 16 + 5 }, u"JO31 (eigenes Großfeld): 5 QSOs" },
        { { 8 * 32, 14 * 16 }, u"JO30: 3 QSOs" },
        { { 0, 0 }, u"IP54: nicht gearbeitet" },
        { { 639, 479 }, u"KM45: nicht gearbeitet" },
        { { 640, 10 }, u"" },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(karte.hinweis(f.pixel), QString::fromUtf16(f.text)) << f.pixel.x() << ',' << f.pixel.y();
    kontakt(u"JO30AA"_s);
    karte.qth(); // a new view counts again
    EXPECT_EQ(karte.hinweis({ 8 * 32, 14 * 16 }), u"JO30: 4 QSOs"_s);
    EXPECT_EQ(karte.dateiVorschlag(), u"Karte_144MHz.png"_s);
}

class LocatorsucheTest : public ::testing::Test {
protected:
    LocatorsucheTest()
    {
        test::ContestDatInhalt inhalt;
        inhalt.stationen = { { u"DL1ABC"_s, u"JO31AB JO32CD JO42EF"_s }, { u"DK2XY"_s, u"JO62QM"_s },
            { u"DL2ZZ"_s, u"JO31EC"_s }, { u"PA0X"_s, u"JO21AA JO31EC"_s }, { u"ON4Q"_s, u"JO31'A"_s },
            { u"DL9LEER"_s, u""_s } };
        test::schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
    }
    QStringList rufzeichen()
    {
        QStringList r;
        for (int i = 0; i < suche.rowCount(); ++i)
            r.append(suche.data(suche.index(i, 0)).toString());
        return r;
    }
    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    ContestDat contestDat;
    LocatorsucheModel suche { contestDat, prompter };
};

TEST_F(LocatorsucheTest, PatternsFindTheirStations)
{
    const struct {
        const char16_t* getippt;
        const char16_t* muster;
        QStringList gefunden;
    } fälle[] = {
        { u"JO31*", u"JO31*", { u"DL1ABC"_s, u"DL2ZZ"_s, u"ON4Q"_s } },
        { u"*JO31EC*", u"*JO31EC*", { u"DL2ZZ"_s, u"PA0X"_s } },
        { u"jo31*", u"JO31*", { u"DL1ABC"_s, u"DL2ZZ"_s, u"ON4Q"_s } },
        { u"JO3?EC", u"JO3?EC", { u"DL2ZZ"_s } },
        { u"JO31'A", u"JO31'A", { u"ON4Q"_s } },
        { u"'", u"'", {} },
        { u"JO31%", u"JO31%", {} },
        { u"", u"", { u"DL9LEER"_s } },
    };
    for (const auto& f : fälle) {
        suche.setTxtLocator(QString::fromUtf16(f.getippt));
        EXPECT_EQ(suche.txtLocator(), QString::fromUtf16(f.muster));
        suche.suchen();
        EXPECT_EQ(rufzeichen(), f.gefunden) << QString::fromUtf16(f.getippt).toStdString();
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

} // namespace
} // namespace tarvex
