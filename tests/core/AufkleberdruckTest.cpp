#include "qsl/Aufkleberdruck.h"
#include "support/LogFixture.h"
#include "support/RecordingPrinterSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Surface = RecordingPrinterSurface;
using Art = Surface::Eintrag::Art;

const QString kKopf = u"       To Radio:   "_s;

QsoRecord qso(const QString& kernCall)
{
    return { 0, u"05.12.26"_s, u"14:05"_s, kernCall, u"59001"_s, u"57023"_s, {}, u"523"_s, {}, kernCall, {},
        {}, {}, true };
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

// Where each label began, from the first text of its first line, as
// "n@page/x/y" with n the number in the contact's call DL<n>ABC.
QString anfänge(const Surface& s)
{
    QStringList result;
    const auto& e = s.einträge();
    const auto mm = [](double wert) { return QString::number(std::round(wert * 100) / 100); };
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e[i].art == Art::Text && e[i].text == kKopf)
            result.append(e[i + 1].text.mid(2).chopped(3) + u'@' + QString::number(e[i].seite) + u'/'
                + mm(e[i].von.x()) + u'/' + mm(e[i].von.y()));
    }
    return result.join(u' ');
}

TEST(Aufkleberdruck, LabelPositionsOnSheetsAndContinuousStock)
{
    using V = Aufkleberdruck::Vorgaben;
    const struct {
        const char* name;
        void (*ändern)(V&);
        int qsos;
        QList<int> ohneQsl; // indexes of unmarked contacts
        int seitenhöheTwips; // 0: A4
        QString anfänge;
        int seiten;
    } fälle[] = {
        { "two columns, a new sheet after the count of rows", [](V& v) { v.anzahl = u"2"_s; }, 5, {}, 0,
            u"1@1/5/0 2@1/110/0 3@1/5/35 4@1/110/35 5@2/5/0"_s, 2 },
        { "one column, the top margin on every sheet",
            [](V& v) {
                v.zweiSpalten = false;
                v.anzahl = u"2"_s;
                v.obererRand = u"12.5"_s;
                v.vertikalerAbstand = u"1.5"_s;
            },
            3, {}, 0, u"1@1/5/12.5 2@1/5/49 3@2/5/12.5"_s, 2 },
        // The first label's lines end well below the row's start: a wrong carry-over shows.
        { "second label of a row level with the first",
            [](V& v) {
                v.obererRand = u"7"_s;
                v.höhe = u"20"_s;
            },
            4, {}, 0, u"1@1/5/7 2@1/110/7 3@1/5/27 4@1/110/27"_s, 1 },
        { "unmarked contacts use no position", [](V&) {}, 4, { 0, 2 }, 0, u"2@1/5/0 4@1/110/0"_s, 1 },
        { "nothing marked prints nothing", [](V&) {}, 2, { 0, 1 }, 0, QString(), 0 },
        // The top margin only applies while no row has been begun; every line of a
        // label stays on its 35 mm page.
        { "continuous stock, one label per page",
            [](V& v) {
                v.endlos = true;
                v.zweiSpalten = false;
                v.anzahl = u"9999"_s;
                v.obererRand = u"3"_s;
            },
            3, {}, 1985, u"1@1/5/3 2@2/5/0 3@3/5/0"_s, 3 },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Surface s;
        if (f.seitenhöheTwips)
            s.setSeitenhöhe(f.seitenhöheTwips);
        V v = vorgaben();
        f.ändern(v);
        QList<QsoRecord> liste = qsos(f.qsos);
        for (const int i : f.ohneQsl)
            liste[i].qsl = false;
        EXPECT_EQ(Aufkleberdruck::drucken(s, v, liste), f.qsos - f.ohneQsl.size());
        EXPECT_EQ(anfänge(s), f.anfänge);
        EXPECT_EQ(s.dokumente(), f.seiten > 0 ? 1 : 0);
        EXPECT_EQ(s.abgeschlosseneDokumente(), s.dokumente());
        EXPECT_EQ(s.seiten(1), f.seiten);
    }
}

TEST(Aufkleberdruck, LinesFontsAndTexts)
{
    Surface s;
    QsoRecord q = qso(u"OK1KIR"_s);
    q.rstGeg = u"599001"_s;
    q.rstErh = u"579123"_s;
    Aufkleberdruck::Vorgaben v = vorgaben();
    v.pseQsl = false;
    Aufkleberdruck::drucken(s, v, { q });
    EXPECT_EQ(s.protokoll(), test::goldeneZeilen(u"etikett_druck.txt"_s));
}

TEST(Aufkleberdruck, QsoLineColumns)
{
    const struct {
        const char* name;
        QString rstGeg, rstErh, band, punkte, zeit;
        QString zeile;
    } cases[] = {
        { "three-digit reports: CW", u"599001"_s, u"579023"_s, u"144MHz"_s, u"523"_s, u"14:05"_s,
            u"05.12.26  14.05   CW    144  523km  599"_s },
        { "two-digit reports: SSB", u"59001"_s, u"57023"_s, u"432MHz"_s, u"523"_s, u"14:05"_s,
            u"05.12.26  14.05  SSB    432  523km  59"_s },
        { "only the sent report has six characters", u"599001"_s, u"57023"_s, u"144MHz"_s, u"88"_s,
            u"14:05"_s, u"05.12.26  14.05  SSB    144   88km  59"_s },
        { "10 GHz: two blanks before 10368", u"59001"_s, u"57023"_s, u"10368MHz"_s, u"1234"_s, u"09:05"_s,
            u"05.12.26  09.05  SSB  10368 1234km  59"_s },
        { "76 GHz, five-digit distance", u"59001"_s, u"57023"_s, u"76032MHz"_s, u"12345"_s, u"23:59"_s,
            u"05.12.26  23.59  SSB  7603212345km  59"_s },
    };
    for (const auto& c : cases) {
        QsoRecord q = qso(u"X"_s);
        q.rstGeg = c.rstGeg;
        q.rstErh = c.rstErh;
        q.punkte = c.punkte;
        q.zeit = c.zeit;
        EXPECT_EQ(Aufkleberdruck::qsoZeile(q, c.band), c.zeile) << c.name;
    }
}

TEST(Aufkleberdruck, LabelCountBelowOneOrNotWholeCountsAsOne)
{
    const struct {
        QString text;
        int anzahl;
    } cases[] = { { u"8"_s, 8 }, { u" 1 0"_s, 10 }, { u"0"_s, 1 }, { u"2.5"_s, 1 }, { u""_s, 1 },
        { u"9999"_s, 9999 } };
    for (const auto& c : cases)
        EXPECT_EQ(Aufkleberdruck::anzahlProSpalte(c.text), c.anzahl) << c.text.toStdString();
}

} // namespace
} // namespace tarvex
