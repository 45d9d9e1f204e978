#include "logout/RecordingPrinterSurface.h"
#include "qsl/Aufkleberdruck.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Surface = RecordingPrinterSurface;
using Art = Surface::Eintrag::Art;

const QString kKopf = u"       To Radio:   "_s;

QsoRecord qso(const QString& kernCall, bool qsl = true)
{
    QsoRecord q;
    q.datum = u"05.12.26"_s;
    q.zeit = u"14:05"_s;
    q.rufzeichen = kernCall;
    q.kernCall = kernCall;
    q.rstGeg = u"59001"_s;
    q.rstErh = u"57023"_s;
    q.punkte = u"523"_s;
    q.qsl = qsl;
    return q;
}

QList<QsoRecord> qsos(int anzahl)
{
    QList<QsoRecord> result;
    for (int i = 1; i <= anzahl; ++i)
        result.append(qso(u"DL%1ABC"_s.arg(i)));
    return result;
}

Aufkleberdruck::Vorgaben vorgaben()
{
    Aufkleberdruck::Vorgaben v;
    v.station = u"Rig: IC-9700   Pwr: 100 watts   Ant:  2x 10 el"_s;
    v.eigenesRufzeichen = u"DL0XX"_s;
    v.eigenerLocator = u"JO31AA"_s;
    v.band = u"144MHz"_s;
    return v;
}

// Where each label began: the first text of its first line.
struct Anfang {
    int seite;
    double x, y;
    QString call; // the bold core call printed after the heading text
};

QList<Anfang> anfänge(const Surface& s)
{
    QList<Anfang> result;
    const auto& e = s.einträge();
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e[i].art == Art::Text && e[i].text == kKopf)
            result.append({e[i].seite, e[i].von.x(), e[i].von.y(), e[i + 1].text});
    }
    return result;
}

TEST(Aufkleberdruck, SheetInTwoColumnsHoldsSixteenLabelsInEightRows)
{
    Surface s;
    EXPECT_EQ(Aufkleberdruck::drucken(s, vorgaben(), qsos(17)), 17);
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 17);
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].seite, 1);
        EXPECT_NEAR(a[i].x, i % 2 == 0 ? 5.0 : 110.0, 1e-6);
        EXPECT_NEAR(a[i].y, 35.0 * (i / 2), 1e-4);
        EXPECT_EQ(a[i].call, u"DL%1ABC"_s.arg(i + 1));
    }
    EXPECT_EQ(a[16].seite, 2);
    EXPECT_NEAR(a[16].x, 5.0, 1e-6);
    EXPECT_NEAR(a[16].y, 0.0, 1e-6);
    EXPECT_EQ(s.dokumente(), 1);
    EXPECT_EQ(s.abgeschlosseneDokumente(), 1);
    EXPECT_EQ(s.seiten(1), 2);
}

TEST(Aufkleberdruck, OneColumnBeginsAPageAfterEveryEighthLabel)
{
    Surface s;
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.zweiSpalten = false;
    v.obererRand = u"12.5"_s;
    v.vertikalerAbstand = u"1.5"_s;
    Aufkleberdruck::drucken(s, v, qsos(17));
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 17);
    for (int i = 0; i < 17; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].seite, 1 + i / 8);
        EXPECT_NEAR(a[i].x, 5.0, 1e-6);
        EXPECT_NEAR(a[i].y, 12.5 + 36.5 * (i % 8), 1e-4);
    }
    EXPECT_EQ(s.seiten(1), 3);
}

TEST(Aufkleberdruck, SecondLabelOfARowStartsLevelWithTheFirst)
{
    // A top margin that leaves the first label's lines ending well below the
    // row's start, and a small label pitch, so a wrong carry-over shows.
    Surface s;
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.obererRand = u"7"_s;
    v.höhe = u"20"_s;
    Aufkleberdruck::drucken(s, v, qsos(4));
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 4);
    EXPECT_NEAR(a[0].y, 7.0, 1e-6);
    EXPECT_NEAR(a[1].y, 7.0, 1e-6);
    EXPECT_NEAR(a[2].y, 27.0, 1e-4);
    EXPECT_NEAR(a[3].y, 27.0, 1e-4);
    EXPECT_NEAR(a[3].x, 110.0, 1e-6);
}

TEST(Aufkleberdruck, UnmarkedContactsUseNoPosition)
{
    Surface s;
    QList<QsoRecord> liste = qsos(4);
    liste[0].qsl = false;
    liste[2].qsl = false;
    EXPECT_EQ(Aufkleberdruck::drucken(s, vorgaben(), liste), 2);
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 2);
    EXPECT_EQ(a[0].call, u"DL2ABC"_s);
    EXPECT_NEAR(a[0].x, 5.0, 1e-6);
    EXPECT_EQ(a[1].call, u"DL4ABC"_s);
    EXPECT_NEAR(a[1].x, 110.0, 1e-6);
    EXPECT_NEAR(a[1].y, 0.0, 1e-6);
}

TEST(Aufkleberdruck, NothingMarkedPrintsNothing)
{
    Surface s;
    QList<QsoRecord> liste = qsos(3);
    for (QsoRecord& q : liste)
        q.qsl = false;
    EXPECT_EQ(Aufkleberdruck::drucken(s, vorgaben(), liste), 0);
    EXPECT_EQ(s.dokumente(), 0);
    EXPECT_TRUE(s.einträge().isEmpty());
}

TEST(Aufkleberdruck, ContinuousStockPutsEachLabelOnAPageOfItsOwn)
{
    Surface s;
    s.setSeitenhöhe(1985); // 35 mm label, no gap
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.endlos = true;
    v.zweiSpalten = false;
    v.anzahl = u"9999"_s;
    v.obererRand = u"3"_s;
    Aufkleberdruck::drucken(s, v, qsos(3));
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 3);
    // The top margin only applies while no row has been begun: the first label.
    const double y[] = {3.0, 0.0, 0.0};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].seite, i + 1);
        EXPECT_NEAR(a[i].x, 5.0, 1e-6);
        EXPECT_NEAR(a[i].y, y[i], 1e-6);
    }
    // Every line of a label stays on its own page.
    for (const Surface::Eintrag& e : s.einträge()) {
        if (e.art == Art::Text) {
            EXPECT_LT(e.von.y(), 35.0) << e.text.toStdString();
        }
    }
    EXPECT_EQ(s.seiten(1), 3);
}

TEST(Aufkleberdruck, LinesFontsAndTexts)
{
    Surface s;
    QsoRecord q = qso(u"OK1KIR"_s);
    q.rstGeg = u"599001"_s;
    q.rstErh = u"579123"_s;
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.pseQsl = false;
    Aufkleberdruck::drucken(s, v, {q});
    QStringList zeilen;
    for (const Surface::Eintrag& e : s.einträge())
        if (e.art == Art::Text)
            zeilen.append(Surface::zeile(e));
    const double h13 = Surface::zeilenhöheMm(13), h3 = Surface::zeilenhöheMm(3), h6 = Surface::zeilenhöheMm(6);
    const double h9 = Surface::zeilenhöheMm(9), hx = Surface::zeichenbreiteMm(9);
    const auto at = [](double x, double y) -> QString {
        return u"("_s + QString::number(x, 'f', 2) + u", "_s + QString::number(y, 'f', 2) + u")"_s;
    };
    double y = 0;
    QStringList erwartet;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Arial 13: \"       To Radio:   \""_s
             << u"Text 1.1 "_s + at(5 + 19 * Surface::zeichenbreiteMm(13), y) + u" Arial 13 fett: \"OK1KIR\""_s;
    y += h13 + h3;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Courier New 9 kursiv: \"Confirming our contest-QSO:\""_s
             << u"Text 1.1 "_s + at(5 + 27 * hx, y) + u" Courier New 6: \"  (ur number: 123)\""_s;
    y += h6 + h3;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Courier New 9: \"  Date     UTC   2way   MHz    QRB  RST\""_s;
    y += h9;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Courier New 9: \"05.12.26  14.05   CW    144  523km  599\""_s;
    y += h9 + h3;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Arial 9 kursiv: \"Rig: IC-9700   Pwr: 100 watts   Ant:  2x 10 el\""_s;
    y += h9 + h3;
    erwartet << u"Text 1.1 "_s + at(5, y) + u" Arial 10: \"tnx QSL* vy 73 de DL0XX in JO31AA\""_s;
    EXPECT_EQ(zeilen, erwartet);
}

TEST(Aufkleberdruck, QsoLineColumns)
{
    const struct {
        const char* name;
        QString rstGeg, rstErh, band, punkte, zeit;
        QString zeile;
    } cases[] = {
        {"three-digit reports: CW", u"599001"_s, u"579023"_s, u"144MHz"_s, u"523"_s, u"14:05"_s,
         u"05.12.26  14.05   CW    144  523km  599"_s},
        {"two-digit reports: SSB", u"59001"_s, u"57023"_s, u"432MHz"_s, u"523"_s, u"14:05"_s,
         u"05.12.26  14.05  SSB    432  523km  59"_s},
        {"only the sent report has six characters", u"599001"_s, u"57023"_s, u"144MHz"_s, u"88"_s, u"14:05"_s,
         u"05.12.26  14.05  SSB    144   88km  59"_s},
        {"only the received report has six characters", u"59001"_s, u"579023"_s, u"144MHz"_s, u"88"_s,
         u"14:05"_s, u"05.12.26  14.05  SSB    144   88km  59"_s},
        {"10 GHz: two blanks before 10368", u"59001"_s, u"57023"_s, u"10368MHz"_s, u"1234"_s, u"09:05"_s,
         u"05.12.26  09.05  SSB  10368 1234km  59"_s},
        {"50 MHz: five blanks before 50", u"599001"_s, u"599002"_s, u"50MHz"_s, u"7"_s, u"00:00"_s,
         u"05.12.26  00.00   CW     50    7km  599"_s},
        {"76 GHz, five-digit distance", u"59001"_s, u"57023"_s, u"76032MHz"_s, u"12345"_s, u"23:59"_s,
         u"05.12.26  23.59  SSB  7603212345km  59"_s},
    };
    for (const auto& c : cases) {
        QsoRecord q = qso(u"X"_s);
        q.rstGeg = c.rstGeg;
        q.rstErh = c.rstErh;
        q.punkte = c.punkte;
        q.zeit = c.zeit;
        EXPECT_EQ(Aufkleberdruck::qsoZeile(q, c.band), c.zeile) << c.name;
    }
    // The columns fall under the headings.
    const QString kopf = u"  Date     UTC   2way   MHz    QRB  RST"_s;
    const QString zeile = cases[0].zeile;
    EXPECT_EQ(zeile.indexOf(u"144"_s) + 3, kopf.indexOf(u"MHz"_s) + 3);
    EXPECT_EQ(zeile.indexOf(u"km"_s) - 1, kopf.indexOf(u"QRB"_s));
    EXPECT_EQ(zeile.indexOf(u"599"_s), kopf.indexOf(u"RST"_s));
}

TEST(Aufkleberdruck, LabelCountBelowOneOrNotWholeCountsAsOne)
{
    const struct {
        QString text;
        int anzahl;
    } cases[] = {{u"8"_s, 8}, {u" 1 0"_s, 10}, {u"0"_s, 1}, {u"-3"_s, 1}, {u"2.5"_s, 1},
                 {u"abc"_s, 1}, {u""_s, 1}, {u"9999"_s, 9999}};
    for (const auto& c : cases)
        EXPECT_EQ(Aufkleberdruck::anzahlProSpalte(c.text), c.anzahl) << c.text.toStdString();

    // With a count of 0 every row fills a page.
    Surface s;
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.anzahl = u"0"_s;
    Aufkleberdruck::drucken(s, v, qsos(5));
    const QList<Anfang> a = anfänge(s);
    ASSERT_EQ(a.size(), 5);
    EXPECT_EQ(a[1].seite, 1);
    EXPECT_EQ(a[2].seite, 2);
    EXPECT_EQ(a[4].seite, 3);
}

} // namespace
} // namespace tarvex
