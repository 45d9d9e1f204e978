#include "logout/ExpImport.h"
#include "common/TextFile.h"
#include "entry/Wertung.h"
#include "formats/ExpDatei.h"
#include "logout/ExpExport.h"
#include "logout/ImportModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QDir>
#include <random>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kKopf = u"*** Tarvex V3 Exportdatei ***"_s;

class ExpImportTest : public test::ContestFixture {
protected:
    ExpImportTest() { model.setEigeneStation(u"DL1ABC"_s, u"JO62QM"_s); }

    ExpImport import { model, prompter };
};

TEST_F(ExpImportTest, RoundTripKeepsEveryFieldRenumbersAndASecondImportDoublesTheRows)
{
    // Three contacts with what the format must carry: an invalid one with
    // blanks in Square and Land, a country with a comma, umlauts.
    const QList<QStringList> werte = {
        { u"06.05.02"_s, u"12:01"_s, u"DK2XY"_s, u"599001"_s, u"579012"_s, u"JO62QM"_s, u"512"_s, u"87"_s,
            u"DK2XY"_s, u"JO62"_s, u"Deutschland"_s },
        { u"06.05.02"_s, u"12:02"_s, u"OE/DL1XYZ/P"_s, u"59002"_s, u"57013"_s, u"JN78AB"_s, u"-----"_s,
            u"140"_s, u"DL1XYZ"_s, u" "_s, u" "_s },
        { u"07.05.02"_s, u"00:03"_s, u"ON4XY"_s, u"599003"_s, u"599014"_s, u"JO20CD"_s, u"333"_s, u"245"_s,
            u"ON4XY"_s, u"JO20"_s, u"Belgien, Süd-Österreich"_s },
    };
    for (int i = 0; i < werte.size(); ++i) {
        const QStringList& w = werte[i];
        QsoRecord q { 10 + i, w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], w[9], w[10], u"K"_s,
            true };
        model.db()->qsoSpeichern(u"432MHz"_s, q, q.rufzeichen);
    }
    model.bandWechseln(u"432MHz"_s);
    const QString datei = ExpExport(model, clock).exportieren(false).expDatei;
    const QList<QsoRecord> original = band(u"432MHz"_s);

    model.bandWechseln(u"144MHz"_s);
    ASSERT_TRUE(import.ExpDateiImportieren(datei));
    EXPECT_EQ(prompter.texte().last(),
        u"Aus der Datei 432MHz-052002-DL1ABC.EXP wurden 3 QSOs in das Band 432 MHz importiert."_s);
    EXPECT_EQ(model.Band(), u"432MHz"_s);
    EXPECT_EQ(settings.letztesBand(), u"432MHz"_s);
    EXPECT_EQ(model.logList().rowCount(), 6);

    ASSERT_TRUE(import.ExpDateiImportieren(datei));
    const QList<QsoRecord> nachher = band(u"432MHz"_s);
    ASSERT_EQ(nachher.size(), 9);
    for (int runde = 1; runde <= 2; ++runde) {
        for (int i = 0; i < 3; ++i) {
            QsoRecord erwartet = original[i];
            erwartet.nummer = i + 1; // from 1 on every import
            erwartet.kommentar.clear(); // not in the file
            erwartet.qsl = false;
            EXPECT_EQ(nachher[runde * 3 + i], erwartet) << "Runde " << runde << ", QSO " << i;
        }
    }
    // Into the current band only the new contacts are added to grid and score;
    // a contact written past the model in between is not lost either.
    const auto frisch = [&] { return Wertung::aus(*model.db(), u"432MHz"_s).summen(); };
    EXPECT_EQ(model.logList().rowCount(), 9);
    EXPECT_EQ(model.summen(), frisch());
    QsoRecord vorbei = original[0];
    vorbei.square = u"JN11"_s;
    model.db()->qsoSpeichern(u"432MHz"_s, vorbei, vorbei.rufzeichen);
    ASSERT_TRUE(import.ExpDateiImportieren(datei));
    EXPECT_EQ(model.logList().rowCount(), 13);
    EXPECT_EQ(model.summen(), frisch());
}

TEST_F(ExpImportTest, ReadingRulesWithAndWithoutHeading)
{
    // Quotes may hold commas, blanks around items go, a comma at a line end is an empty item.
    EXPECT_EQ(ExpDatei::items({ u"  a ,\"b, c\"  ,, \" d \"x,e,"_s, u""_s, u"f"_s }),
        (QStringList { u"a"_s, u"b, c"_s, QString(), u" d "_s, u"e"_s, QString(), u"f"_s }));

    writeTextFile(u"ohne.exp"_s,
        { u"DL1ABC/P"_s, u"JO62QM"_s, u"144MHz"_s,
            u" 06.05.02 , 12:01 ,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,\"Deutschland\""_s });
    ASSERT_TRUE(import.ExpDateiImportieren(u"ohne.exp"_s));
    EXPECT_EQ(
        prompter.texte().last(), u"Aus der Datei ohne.exp wurde 1 QSO in das Band 144 MHz importiert."_s);
    ASSERT_EQ(band().size(), 1);
    EXPECT_EQ(band()[0].datum, u"06.05.02"_s);
    EXPECT_EQ(band()[0].zeit, u"12:01"_s);
    EXPECT_EQ(band()[0].land, u"Deutschland"_s);
    EXPECT_EQ(band()[0].nummer, 1);
}

TEST_F(ExpImportTest, ABadFileImportsNothingAndSaysWhy)
{
    const QString q1 = u"06.05.02,12:01,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,Deutschland"_s;
    struct Fall {
        QString name;
        QStringList inhalt; // empty: no file at all
        QString grund;
    };
    const QList<Fall> fälle = {
        { u"fehlt.EXP"_s, {}, u"wurde nicht gefunden"_s },
        { u"kurz.EXP"_s,
            { kKopf, u"DL1ABC"_s, u"JO62QM"_s, u"144MHz"_s, u"200205"_s, q1, u"07.05.02,12:02,PA3ABC"_s },
            u"keine gültige EXP-Datei: Sie endet mitten im QSO Nr. 2."_s },
        { u"band.EXP"_s, { kKopf, u"DL1ABC"_s, u"JO62QM"_s, u"145MHz"_s, u"200205"_s, q1 },
            u"„145MHz“ ist kein Band."_s },
        { u"fremd.EXP"_s, { kKopf, u"DL1ABC"_s, u"JO62QM"_s, u"1296MHz"_s, u"200205"_s, q1 },
            u"Band 1296 MHz, das dieser Contest nicht hat."_s },
        { u"leer.EXP"_s, { u""_s }, u"Sie endet vor dem ersten QSO."_s },
        // Binary junk where the band should be: a short, printable excerpt.
        { u"müll.EXP"_s,
            { kKopf, u"DL1ABC"_s, u"JO62QM"_s, QString(u"\u0001A"_s).repeated(150), u"200205"_s, q1 },
            u"„?A?A?A?A?A?A?A?A?A?A…“ ist kein Band."_s },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name.toStdString());
        if (!f.inhalt.isEmpty())
            writeTextFile(f.name, f.inhalt);
        prompter.vergiss();
        EXPECT_FALSE(import.ExpDateiImportieren(f.name));
        const QString text = prompter.einzige().text;
        EXPECT_TRUE(text.startsWith(u"Die Datei "_s + f.name)) << text.toStdString();
        EXPECT_TRUE(text.contains(f.grund)) << text.toStdString();
        EXPECT_LT(text.size(), 200);
        EXPECT_TRUE(band(u"144MHz"_s).isEmpty());
        EXPECT_EQ(model.Band(), u"144MHz"_s);
    }
}

TEST_F(ExpImportTest, ImportWindowListsOnlyExpFiles)
{
    for (const QString& name : { u"b.EXP"_s, u"A.exp"_s, u"c.txt"_s, u"d.EXP.bak"_s })
        writeTextFile(name, {});
    QDir().mkdir(u"ordner.EXP"_s);
    EXPECT_EQ(ImportModel::File1(), (QStringList { u"A.exp"_s, u"b.EXP"_s }));
}

// Whatever a field holds, the reader gets the same contact back from the
// line the writer made: quotes at the start, commas, doubled quotes, line
// breaks, blanks at either end, the blank and the empty text of an invalid
// contact's Square and Land. Texts are drawn from characters of the file's code page.
TEST(ExpRundreise, ArbitraryStoredTextsComeBackUnchanged)
{
    const QString zeichen = u"ab ,\"\r\n'\t;äß€Z09 "_s;
    std::mt19937 zufall(31);
    const auto text = [&] {
        QString t;
        const int n = std::uniform_int_distribution<int>(0, 6)(zufall);
        for (int i = 0; i < n; ++i)
            t += zeichen[std::uniform_int_distribution<qsizetype>(0, zeichen.size() - 1)(zufall)];
        return t;
    };
    QList<QsoRecord> fälle;
    QsoRecord tippfehler { 0, u"\"04.12.26"_s, u"14:00"_s, u"DL1ABC"_s, u"59001"_s, u"59002"_s, u"JO31AB"_s,
        u"12"_s, u"45"_s, u"DL1ABC"_s, u"JO31"_s, u"Deutschland"_s, {}, false };
    fälle.append(tippfehler);
    QsoRecord ungültig = tippfehler;
    ungültig.datum = u"04.12.26"_s;
    ungültig.punkte = kUngültigePunkte;
    ungültig.square = u" "_s;
    ungültig.land = QString();
    fälle.append(ungültig);
    for (int i = 0; i < 2000; ++i) {
        QsoRecord q;
        for (QString* f : { &q.datum, &q.zeit, &q.rufzeichen, &q.rstGeg, &q.rstErh, &q.locator, &q.punkte,
                 &q.winkel, &q.kernCall, &q.square, &q.land })
            *f = text();
        if (i % 5 == 0)
            q.punkte = kUngültigePunkte;
        fälle.append(q);
    }
    QStringList zeilen = { ExpDatei::kKopf, u"DL0XX"_s, u"JO31AA"_s, u"144MHz"_s, u"202612"_s };
    for (const QsoRecord& q : fälle)
        zeilen.append(ExpDatei::qsoZeile(q));
    const ExpDatei::Inhalt inhalt = ExpDatei::lesenText(zeilen.join(u"\r\n"_s) + u"\r\n"_s, u"x.EXP"_s);
    ASSERT_EQ(inhalt.qsos.size(), fälle.size());
    for (qsizetype i = 0; i < fälle.size(); ++i) {
        QsoRecord erwartet = fälle[i];
        erwartet.nummer = static_cast<int>(i) + 1;
        QsoRecord gelesen = inhalt.qsos[i];
        gelesen.kommentar = erwartet.kommentar;
        gelesen.qsl = erwartet.qsl;
        ASSERT_EQ(gelesen, erwartet) << "contact " << i << ": " << ExpDatei::qsoZeile(fälle[i]).toStdString();
    }
}

} // namespace
} // namespace tarvex
