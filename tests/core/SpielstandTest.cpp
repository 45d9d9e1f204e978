#include "entry/Spielstand.h"
#include "entry/Wertung.h"
#include "stats/Kartenpunkt.h"
#include "store/ContestDatabase.h"
#include "support/DatenbankEingriffe.h"
#include "support/TestFiles.h"
#include "support/Zufall.h"

#include <gtest/gtest.h>
#include <random>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct Kontakt {
    const char16_t* call;
    const char16_t* punkte;
    const char16_t* square;
    const char16_t* land;
};

QsoRecord alsQso(
    int nummer, const QString& call, const QString& punkte, const QString& square, const QString& land)
{
    // Only what the score reads: number, call, points, square and country.
    return { nummer, {}, {}, call, {}, {}, {}, punkte, {}, {}, square, land, {}, false };
}

TEST(Spielstand, TotalsOfValidContacts)
{
    const struct {
        const char* fall;
        std::vector<Kontakt> kontakte;
        // Punkte|ODX|ODX call|average|countries|large squares|next number
        const char16_t* stand;
    } cases[] = {
        { "letter case makes no other country or square, an empty country is none; "
          "the invalid contact uses up its number",
            { { u"DL1A", u"100", u"JO31", u"Deutschland" }, { u"G4X", u"250", u"IO91", u"England" },
                { u"DK2B", u"200", u"jo31", u"DEUTSCHLAND" }, { u"F5Z", u"-----", u" ", u" " },
                { u"OZ1A", u"300", u"JO65", u"" } },
            u"850|300|( OZ1A)|213|2|3|006" },
        { "the average rounds half up, the best call is the earliest",
            { { u"A1A", u"1", u"JO31", u"X" }, { u"B2B", u"2", u"JO31", u"X" },
                { u"C3C", u"2", u"JO31", u"X" }, { u"D4D", u"1", u"JO31", u"X" } },
            u"6|2|( B2B)|2|1|1|005" },
        { "empty band", {}, u"||( )||0|0|001" },
        { "only invalid contacts",
            { { u"A", u"-----", u" ", u" " }, { u"B", u"-----", u" ", u" " },
                { u"C", u"-----", u" ", u" " } },
            u"||( )||0|0|004" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        // The kept score and the statements run afresh must give the same totals.
        test::WorkDir dir;
        auto db = ContestDatabase::anlegen(u"S.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
        Wertung wertung;
        int n = 0;
        for (const Kontakt& k : c.kontakte) {
            const QsoRecord q = alsQso(++n, QString::fromUtf16(k.call), QString::fromUtf16(k.punkte),
                QString::fromUtf16(k.square), QString::fromUtf16(k.land));
            wertung.hinzufügen(*db.wertungsZeile(u"144MHz"_s, db.qsoSpeichern(u"144MHz"_s, q, u"x"_s)));
        }
        EXPECT_EQ(wertung.summen(), test::summenAusDatei(db, u"144MHz"_s));
        const Spielstand s = Spielstand::aus(wertung.summen());
        const QStringList stand { s.txtPunkte, s.txtODX, s.lblODXCall, s.txtDurchschnitt, s.txtLänder,
            s.txtGroßfelder, s.txtNummer };
        EXPECT_EQ(stand.join(u'|'), QString::fromUtf16(c.stand));
    }
}

TEST(Spielstand, AbsurdPointsStayText)
{
    Summen s;
    s.gültige = 1;
    s.summe = 1e300;
    s.maximum = 1e300;
    EXPECT_FALSE(Spielstand::aus(s).txtDurchschnitt.isEmpty());
}

TEST(Spielstand, SerialNumberDigits)
{
    const std::pair<qint64, QString> cases[] = { { 1, u"001"_s }, { 10, u"010"_s }, { 999, u"999"_s },
        { 1000, u"1000"_s }, { 9999, u"9999"_s }, { 10000, u"10000"_s } };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(laufendeNummer(n), text) << n;
}

// Random saves, deletions of the last contact, invalidations and edits: the kept
// score equals the statements' totals after every single step.
TEST(Wertung, EqualsTheFullComputationAfterEveryStep)
{
    const unsigned seed = test::zufallsSeed("Wertung");
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 zufall(seed);
    const auto wahl = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall); };

    test::WorkDir dir;
    auto db = ContestDatabase::anlegen(u"R.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    const QString band = u"144MHz"_s;
    const QStringList länder { u"Deutschland"_s, u"DEUTSCHLAND"_s, u"England"_s, u" "_s, u""_s,
        u"Österreich"_s };
    const QStringList squares { u"JO31"_s, u"jo31"_s, u"IO91"_s, u" "_s, u"JN88"_s };
    const QStringList punkte { u"5"_s, u"523"_s, u"523"_s, u"1200"_s, u"-----"_s, u"0523"_s, u"17"_s, u"0"_s,
        u"-3"_s };
    const QStringList zeiten { u"14:05"_s, u"00:59"_s, u"23:10"_s, u"24:00"_s, u"7"_s, u""_s, u"-1:30"_s };
    // Of these only the six capitals and digits are a point on the map.
    const QStringList locators { u"JO31AA"_s, u"jo31aa"_s, u"IO91WM"_s, u"JN58TD42"_s, u"JO31A"_s, u""_s,
        u"JÖ31AA"_s, u"KP20LE"_s };
    Wertung wertung;
    QList<qint64> rowids;
    for (int schritt = 0; schritt < 400; ++schritt) {
        const int art = rowids.isEmpty() ? 0 : wahl(10);
        if (art < 6) {
            QsoRecord q = alsQso(schritt, u"C%1"_s.arg(wahl(30)), punkte[wahl(punkte.size())],
                squares[wahl(squares.size())], länder[wahl(länder.size())]);
            q.zeit = zeiten[wahl(zeiten.size())];
            q.locator = locators[wahl(locators.size())];
            const qint64 rowid = db.qsoSpeichern(band, q, u"x"_s);
            rowids.append(rowid);
            wertung.hinzufügen(*db.wertungsZeile(band, rowid));
        } else if (art < 7) {
            const auto alt = db.wertungsZeile(band, rowids.last());
            ASSERT_EQ(db.letztenLöschen(band, rowids.last()), ContestDatabase::Löschen::Gelöscht);
            wertung.entfernen(*alt);
            rowids.removeLast();
        } else {
            const qint64 rowid = rowids[wahl(static_cast<int>(rowids.size()))];
            const auto alt = db.wertungsZeile(band, rowid);
            if (art < 9) {
                db.ungültigErklären(band, rowid);
            } else {
                QsoRecord q = db.qso(band, rowid);
                q.punkte = punkte[wahl(punkte.size())];
                q.land = länder[wahl(länder.size())];
                q.locator = locators[wahl(locators.size())];
                db.qsoÄndern(band, rowid, q);
            }
            wertung.entfernen(*alt);
            wertung.hinzufügen(*db.wertungsZeile(band, rowid));
        }
        ASSERT_EQ(wertung.summen(), test::summenAusDatei(db, band)) << "step " << schritt << " kind " << art;
        for (const Gruppierung nach : { Gruppierung::Land, Gruppierung::Square }) {
            QStringList gruppen;
            for (const Gruppensumme& g : wertung.gruppen(nach))
                gruppen.append(g.name.toUpper() + u' ' + QString::number(g.anzahl) + u' '
                    + QString::number(qRound64(g.punkte)));
            ASSERT_EQ(gruppen, test::gruppenAusDatei(db, band, nach))
                << "step " << schritt << " kind " << art;
        }
        ASSERT_EQ(wertung.stunden(), test::stundenAusDatei(db, band))
            << "step " << schritt << " kind " << art;
        for (const bool mitUngültigen : { false, true })
            ASSERT_EQ(
                wertung.entfernungen(mitUngültigen), test::entfernungenAusDatei(db, band, mitUngültigen))
                << "step " << schritt << " kind " << art;
        QList<std::pair<qint64, std::optional<QPoint>>> orte;
        for (const Kontaktort& o : wertung.orte())
            orte.append({ o.rowid, kartenpunkt(o) });
        QList<std::pair<qint64, std::optional<QPoint>>> ausDatei;
        for (const auto& [rowid, locator] : test::locatorsAusDatei(db, band))
            ausDatei.append({ rowid, kartenpunkt(locator) });
        ASSERT_EQ(orte, ausDatei) << "step " << schritt << " kind " << art;
    }
    const Wertung neu = Wertung::aus(db, band);
    EXPECT_EQ(neu.summen(), wertung.summen());
    EXPECT_EQ(neu.orte(), wertung.orte());
}

} // namespace
} // namespace tarvex
