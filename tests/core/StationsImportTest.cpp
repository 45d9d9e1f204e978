#include "callinfo/StationsImport.h"
#include "common/UserError.h"
#include "entry/StationsEintrag.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "store/StationsTabelle.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

StationsImport::Liste ausDatei(const char* inhalt, const QString& name)
{
    return StationsImport::lesenDatei(QByteArray(inhalt), name);
}

QStringList alsText(const StationsImport::Liste& liste)
{
    QStringList result;
    for (const StationsImport::Station& s : liste.stationen)
        result.append(s.call + u' ' + s.locators.join(u','));
    return result;
}

TEST(StationsImport, ReadsBothLineFormsCommentsAndMergesOneCall)
{
    const StationsImport::Liste liste = Stationsliste::lesen(u"# Liste vom Fieldday\n"
                                                             u"DL1ABC JO31AB\n"
                                                             u"dk2xy,jo62qm,Hans,JO62QN\n"
                                                             u"\n"
                                                             u"   // ganz auskommentiert: DL9ZZZ JO50AA\n"
                                                             u"DL1ABC,JO32CD // zweiter Standort\n"
                                                             u"DL1ABC JO31AB # schon bekannt\n"
                                                             u"OE5XYZ/P\tJN78AB\r\n"
                                                             u"DL3QQQ JO31\n"
                                                             u"JO31AB DL1ABC\n"
                                                             u"DL4AAA\n"_s);
    EXPECT_EQ(alsText(liste),
        (QStringList { u"DL1ABC JO31AB,JO32CD"_s, u"DK2XY JO62QM,JO62QN"_s, u"OE5XYZ/P JN78AB"_s }));

    // A four-character square is no locator; a locator is no call; a call alone says nothing.
    const auto& ü = liste.übersprungen;
    ASSERT_EQ(ü.size(), 3);
    EXPECT_EQ(ü[0].text, u"DL3QQQ JO31"_s);
    EXPECT_EQ((QList<int> { ü[0].zeile, ü[1].zeile, ü[2].zeile }), (QList<int> { 9, 10, 11 }));
}

TEST(StationsEintrag, LocatorsTextPutsTheNthLocatorAtCharacter7nMinus6)
{
    const QStringList drei { u"JO31AB"_s, u"JO32CD"_s, u"JO42EF"_s };
    EXPECT_EQ(locatorsZusammensetzen(drei), u"JO31AB JO32CD JO42EF"_s);
    // Texts from other sources: any separator, a trailing one, a repeated locator,
    // lower case, and a last piece cut short, which is no locator.
    const std::pair<QString, QStringList> fälle[] = {
        { u"JO31AB JO32CD JO42EF"_s, drei },
        { u"JO31AB;JO32CD;JO31AB;"_s, { u"JO31AB"_s, u"JO32CD"_s } },
        { u"JO31AB"_s, { u"JO31AB"_s } },
        { u"JO31AB "_s, { u"JO31AB"_s } },
        { u"jo31ab jo32cd"_s, { u"JO31AB"_s, u"JO32CD"_s } },
        { u"JO31AB JO3"_s, { u"JO31AB"_s } },
        { u"JO31AB JO32C"_s, { u"JO31AB"_s } },
        { u"JO3"_s, {} },
        { u"JO31AB JO32CD J"_s, { u"JO31AB"_s, u"JO32CD"_s } },
        { u"JO31AB12 JO32CD"_s, { u"JO31AB"_s } }, // not the layout: the pieces after it are no locators
        { QString(), {} },
    };
    for (const auto& [text, locators] : fälle) {
        EXPECT_EQ(locatorsZerlegen(text), locators) << text.toStdString();
        // Whatever came in, what is written back decodes to the same list.
        EXPECT_EQ(locatorsZerlegen(locatorsZusammensetzen(locators)), locators) << text.toStdString();
    }
}

TEST(StationsImport, RefusesAFileWithoutStationsTable)
{
    test::WorkDir dir;
    Connection c(dir.pfad(u"X.DAT"_s), Connection::Zugriff::Anlegen);
    c.exec(u"CREATE TABLE PREFIXE(PREFIX TEXT, LAND TEXT)"_s);
    EXPECT_THROW(StationsImport::einfügen(c, Stationsliste::lesen(u"DL1ABC JO31AB"_s).stationen), UserError);
}

TEST(StationsImport, MergeRuleKeepsOneRowAndNeverRepeatsALocator)
{
    struct Fall {
        const char* name;
        QStringList vorher; // LOCATORS of the rows of DL1ABC before
        QList<StationsImport::Station> neu;
        QString nachher;
        int neueStationen, ergänzteStationen, neueLocatoren;
    };
    const Fall fälle[] = {
        { "one new", {}, { { u"DL1ABC"_s, { u"JO31AB"_s } } }, u"JO31AB"_s, 1, 0, 1 },
        { "second", { u"JO31AB"_s }, { { u"DL1ABC"_s, { u"JO32CD"_s } } }, u"JO31AB JO32CD"_s, 0, 1, 1 },
        { "repeated", { u"JO31AB JO32CD"_s }, { { u"DL1ABC"_s, { u"JO32CD"_s, u"JO31AB"_s } } },
            u"JO31AB JO32CD"_s, 0, 0, 0 },
        { "lower case", { u"JO31AB"_s }, { { u"dl1abc"_s, { u"jo31ab"_s, u"jo32cd"_s } } },
            u"JO31AB JO32CD"_s, 0, 1, 1 },
        { "portable", { u"JO31AB"_s }, { { u"DL1ABC/P"_s, { u"JO42EF"_s } } }, u"JO31AB JO42EF"_s, 0, 1, 1 },
        { "trailing separator", { u"JO31AB JO32CD "_s }, { { u"DL1ABC"_s, { u"JO32CD"_s } } },
            u"JO31AB JO32CD"_s, 0, 0, 0 },
        { "no locator", { u"JO31AB"_s }, { { u"DL1ABC"_s, { u"JO31"_s, QString() } } }, u"JO31AB"_s, 0, 0,
            0 },
        { "not a latin letter", { u"JO31AB"_s }, { { u"DL1ABC"_s, { u"\u0141O31AB"_s, u"JO3\u0131AB"_s } } },
            u"JO31AB"_s, 0, 0, 0 },
        { "two rows of one call become one", { u"JO31AB"_s, u"JO30XX JO31AB"_s },
            { { u"DL1ABC"_s, { u"JO32CD"_s } }, { u"DL1ABC"_s, { u"JO31AB"_s } } }, u"JO31AB JO30XX JO32CD"_s,
            0, 1, 1 },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        test::WorkDir dir;
        test::ContestDatInhalt inhalt;
        for (const QString& locators : f.vorher)
            inhalt.stationen.push_back({ u"DL1ABC"_s, locators });
        test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        const StationsImport::Ergebnis e = StationsImport::einfügen(c, f.neu);
        EXPECT_EQ((QList<int> { e.neueStationen, e.ergänzteStationen, e.neueLocatoren }),
            (QList<int> { f.neueStationen, f.ergänzteStationen, f.neueLocatoren }));
        const Rows rows = c.select(u"SELECT CALL || '|' || LOCATORS FROM STATIONS"_s);
        ASSERT_EQ(rows.zeilen.size(), 1);
        EXPECT_EQ(rows.zeilen[0].value(0).toString(), u"DL1ABC|"_s + f.nachher);
    }
}

// A quote, a backslash or a control character in a stored call must neither break
// the question nor match another call. Read ahead, a stored call it cannot pack is
// still asked about, one it lacks is not; new rows written meanwhile, inside the
// import's transaction, change no answer.
TEST(StationsTabelle, FindsTheRowsOfTheCallsAskedAbout)
{
    test::WorkDir dir;
    test::ContestDatInhalt inhalt;
    for (const char* call : { "DL1ABC", "A\"B", "A\\B", "A\tB", "DL1ABC",
             "\xc3\x96"
             "E1X",
             "DL2AA", "DL3AA", "DL4AA" })
        inhalt.stationen.push_back({ QString::fromUtf8(call), QString::fromUtf8(call) + u"-L"_s });
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
    Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
    const std::vector<std::string_view> viele { "A\"B", "A\\B", "A\tB", "A\\\"B", "DL1ABC", "DL9ZZ",
        "\xc3\x96"
        "E1X" };
    const QStringList vieleGelesen { u"0:2:A\"B-L"_s, u"1:3:A\\B-L"_s, u"2:4:A\tB-L"_s, u"4:1:DL1ABC-L"_s,
        u"4:5:DL1ABC-L"_s, u"6:6:\u00d6E1X-L"_s };
    const struct {
        const char* fall;
        bool vorauslesen;
        std::vector<std::string_view> calls;
        std::vector<std::size_t> gefragt;
        QStringList gelesen;
    } fälle[] = {
        { "each asked", false, viele, { 0, 1, 2, 3, 4, 5, 6 }, vieleGelesen },
        { "stored calls read ahead", true, viele, { 0, 1, 2, 4, 6 }, vieleGelesen },
        { "few asked", true, { "DL1ABC" }, { 0 }, { u"0:1:DL1ABC-L"_s, u"0:5:DL1ABC-L"_s } },
        { "nothing asked", true, {}, {}, {} },
    };
    for (const auto& f : fälle) {
        c.exec(u"BEGIN IMMEDIATE"_s);
        {
            StationsTabelle tabelle(c);
            if (f.vorauslesen)
                tabelle.vorauslesen();
            const auto gelesen = [&tabelle] {
                QStringList text;
                for (const StationsTabelle::Zeile& z : tabelle.antworten())
                    text.append(QString::number(z.nr) + u':' + QString::number(z.rowid) + u':' + z.locators);
                return text;
            };
            EXPECT_EQ(tabelle.fragen(f.calls), f.gefragt) << f.fall;
            for (int i = 0; i < 150; ++i)
                tabelle.anlegen("NEU" + std::to_string(i), "JO31AB");
            EXPECT_EQ(gelesen(), f.gelesen) << f.fall;
            // Asked again, every call goes to the engine, which answers the same.
            EXPECT_EQ(tabelle.fragen(f.calls).size(), f.calls.size()) << f.fall;
            EXPECT_EQ(gelesen(), f.gelesen) << f.fall;
            tabelle.abschließen();
        }
        EXPECT_EQ(c.scalar(u"SELECT count(*) FROM STATIONS"_s).toInt(), 159) << f.fall;
        c.exec(u"ROLLBACK"_s);
    }
}

// Only what the input line takes as a call reaches STATIONS, from every source.
TEST(StationsImport, OnlyCallSignsTheInputLineAcceptsAreKept)
{
    const StationsImport::Liste liste = Stationsliste::lesen(
        u"000 JO31AB\nA/B JO31AB\nDL1ABC JO31AB\n1234567 JO31AB\nOE/DL1ABC/P JN78AB\nPA5ABC JO22XX\n"_s);
    EXPECT_EQ(
        alsText(liste), (QStringList { u"DL1ABC JO31AB"_s, u"OE/DL1ABC/P JN78AB"_s, u"PA5ABC JO22XX"_s }));
    EXPECT_EQ(liste.übersprungen.size(), 3);

    test::WorkDir dir;
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), {});
    Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
    const StationsImport::Ergebnis e = StationsImport::einfügen(
        c, { { u"000"_s, { u"JO31AB"_s } }, { u"A/B"_s, { u"JO31AB"_s } }, { u"G4ABC"_s, { u"IO91WM"_s } } });
    EXPECT_EQ(e.neueStationen, 1);
    EXPECT_EQ(c.scalar(u"SELECT group_concat(CALL) FROM STATIONS"_s).toString(), u"G4ABC"_s);
}

// Without an index on CALL each station is a scan of the whole table; one that
// has an index under another name gets no second one.
TEST(StationsImport, CreatesTheCallIndexOnlyWhenMissing)
{
    const auto indexe = [](Connection& c) {
        return c.scalar(u"SELECT count(*) FROM pragma_index_list('STATIONS')"_s).toInt();
    };
    for (const bool vorhanden : { false, true }) {
        SCOPED_TRACE(vorhanden);
        test::WorkDir dir;
        test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), {});
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        if (vorhanden)
            c.exec(u"CREATE INDEX MEIN_INDEX ON STATIONS(CALL)"_s);
        StationsImport::einfügen(c, { { u"DL1ABC"_s, { u"JO31AB"_s } } });
        EXPECT_EQ(indexe(c), 1);
    }
}

TEST(StationsImport, EveryNewCallOfALargeImportIsWrittenOnce)
{
    // New rows go out in bundles; sizes around a bundle's edge and a remainder.
    for (const int anzahl : { 99, 100, 101, 250 }) {
        SCOPED_TRACE(anzahl);
        test::WorkDir dir;
        test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), {});
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        c.execute(u"INSERT INTO STATIONS(CALL, LOCATORS) VALUES('DL1AA', 'JO31AA')"_s);
        const auto call
            = [](int i) -> QString { return u"DL1"_s + QChar(u'A' + i / 26) + QChar(u'A' + i % 26); };
        QList<StationsImport::Station> stationen;
        for (int i = 0; i < anzahl; ++i)
            stationen.append({ call(i), { u"JO40AA"_s } });
        const StationsImport::Ergebnis e = StationsImport::einfügen(c, stationen);
        EXPECT_EQ(e.neueStationen, anzahl - 1);
        EXPECT_EQ(c.scalar(u"SELECT count(*) FROM STATIONS"_s).toInt(), anzahl);
        EXPECT_EQ(c.scalar(u"SELECT count(DISTINCT CALL) FROM STATIONS"_s).toInt(), anzahl);
        EXPECT_EQ(
            c.scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL='DL1AA'"_s).toString(), u"JO31AA JO40AA"_s);
        EXPECT_EQ(c.scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL=?"_s, { QVariant(call(anzahl - 1)) })
                      .toString(),
            u"JO40AA"_s);
    }
}

TEST(StationsEintrag, PortablePrefixStaysPartOfTheCall)
{
    const std::pair<QString, QString> fälle[] = {
        { u"oe/dl1abc/p"_s, u"OE/DL1ABC"_s }, { u"DL1ABC/MM"_s, u"DL1ABC"_s },
        { u"DL1ABC/3"_s, u"DL1ABC/3"_s }, { u" OK1/DL1ABC "_s, u"OK1/DL1ABC"_s },
        { u"DL8/G4AB"_s, u"DL8"_s }, // short: the slash at 4 begins a suffix
    };
    for (const auto& [call, schlüssel] : fälle)
        EXPECT_EQ(stationsCall(call), schlüssel) << call.toStdString();
}

TEST(StationsImport, ReadsEdiAdifAndExpLogs)
{
    const char* edi = "[REG1TEST;1]\r\n"
                      "TName=DARC UKW Contest\r\n"
                      "PWWLo=JO31AA\r\n"
                      "PCall=DL0XX\r\n"
                      "[Remarks]\r\n"
                      "Danke\r\n"
                      "[QSORecords;5]\r\n"
                      "260905;1400;DL1ABC/P;1;59;001;59;003;;JO31AB;120;;N;N;\r\n"
                      "260905;1402;PA0AAA;1;59;002;59;010;;JO22;80;;;;\r\n"
                      "260905;1405;ON4BBB;1;59;003;59;020;;JO20XX;0;;;;\r\n"
                      "260905;1407;DL1ABC;1;59;004;59;004;;JO31AB;0;;;;D\r\n"
                      "260905;1410;dk2xy;2;599;005;599;050;;jo62qm;400;;N;;\r\n"
                      "[END; Tarvex]\r\n";
    StationsImport::Format format {};
    EXPECT_EQ(alsText(StationsImport::lesenDatei(edi, u"log.txt"_s, &format)),
        (QStringList { u"DL0XX JO31AA"_s, u"DL1ABC/P JO31AB"_s, u"DL1ABC JO31AB"_s, u"DK2XY JO62QM"_s }));
    EXPECT_EQ(format, StationsImport::Format::Edi);

    const char* adif = "Export\n<ADIF_VER:5>3.1.4 <eoh>\n"
                       "<call:6>DL1ABC<qso_date:8:d>20260905<GRIDSQUARE:6>JO31AB<eor>\n"
                       "<CALL:6>PA0AAA <gridsquare:8>JO22AB12 <EOR>\n"
                       "<call:6>ON4BBB<band:2>2m<eor>\n"
                       "<call:5>G4ABC<gridsquare:4>IO91<eor>\n";
    EXPECT_EQ(alsText(ausDatei(adif, u"x.adi"_s)), (QStringList { u"DL1ABC JO31AB"_s, u"PA0AAA JO22AB"_s }));
    EXPECT_EQ(alsText(ausDatei("<call:6>DL1ABC<gridsquare:6>JO31AB<eor>", u"ohne_kopf"_s)),
        QStringList { u"DL1ABC JO31AB"_s });

    const char* exp = "*** Tarvex V3 Exportdatei ***\r\nDL0XX\r\nJO31AA\r\n144MHz\r\n202609\r\n"
                      "05.09.26,14:00,DL1ABC,59001,59003,JO31AB,120,45,DL1ABC,JO31,Deutschland\r\n"
                      "05.09.26,14:02,PA0AAA,59002,59010,JO22AB,-----,300,PA0AAA, , \r\n"
                      "05.09.26,14:05,DK2XY/P,59003,59020,JO62QM,400,80,DK2XY,JO62,\"Deutschland, Nord\"\r\n";
    EXPECT_EQ(alsText(ausDatei(exp, u"144MHz-092026-DL0XX.EXP"_s)),
        (QStringList { u"DL1ABC JO31AB"_s, u"DK2XY/P JO62QM"_s }));
    const char* ohneKopf = "DL0XX\r\nJO31AA\r\n432MHz\r\n"
                           "05.09.26,14:00,DL1ABC,59001,59003,JO31AB,120,45,DL1ABC,JO31,Deutschland\r\n";
    EXPECT_EQ(alsText(ausDatei(ohneKopf, u"alt.exp"_s)), QStringList { u"DL1ABC JO31AB"_s });
    // A quoted text may run across lines, as the import window reads it.
    const char* umbruch
        = "DL0XX\r\nJO31AA\r\n432MHz\r\n"
          "05.09.26,14:00,DL1ABC,59001,59003,JO31AB,120,45,DL1ABC,JO31,\"Deutsch\r\nland\"\r\n";
    EXPECT_EQ(alsText(ausDatei(umbruch, u"alt.exp"_s)), QStringList { u"DL1ABC JO31AB"_s });
}

TEST(StationsImport, DamagedFilesAreRefusedWhole)
{
    struct Fall {
        const char* name;
        const char* inhalt;
        const char16_t* grund;
    };
    const Fall fälle[] = {
        { "log.edi", "TName=kein Kopf\n[QSORecords;1]\n260905;1400;DL1ABC;1;59;001;59;003;;JO31AB;120;;;;\n",
            u"die erste Zeile ist nicht [REG1TEST;1]" },
        { "log.edi", "[REG1TEST;1]\nPCall=DL0XX\n", u"der Abschnitt [QSORecords] fehlt" },
        { "log.edi",
            "[REG1TEST;1]\n[QSORecords;2]\n260905;1400;DL1ABC;1;59;001;59;003;;JO31AB;120;;;;\n"
            "260905;1400;PA0AAA;1;59\n",
            u"Zeile 4 hat nur 5 Felder" },
        { "log.adi", "<eoh><call:6>DL1ABC<gridsquare:6>JO31AB<eor><call:60>PA0AAA<eor>",
            u"das Feld <call:60> reicht über das Dateiende hinaus" },
        { "log.adi", "<eoh><call:6>DL1ABC<gridsquare:6>JO31AB<eor><call:6>PA0AAA<gridsq",
            u"ein Feld bei Zeichen 59 wird nicht geschlossen" },
        { "log.adi", "<eoh><call:6>DL1ABC<eor><call:6>PA0AAA",
            u"der letzte Datensatz endet nicht mit <EOR>" },
        { "log.adi", "<eoh><call>DL1ABC<eor>", u"das Feld <call> hat keine Länge" },
        { "log.adi", "Kopf ohne Ende\n<call:6>DL1ABC<gridsquare:6>JO31AB<eor>",
            u"das Ende des Kopfes <EOH> fehlt" },
        // The EXP reader's reasons are the import's (ExpImportTest). Without contacts
        // the month line is missing, and the import window refuses that too.
        { "x.EXP", "*** Tarvex V3 Exportdatei ***\r\nDL0XX\r\nJO31AA\r\n144MHz\r\n",
            u"sie endet vor dem ersten QSO" },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.inhalt);
        try {
            StationsImport::lesenDatei(QByteArray(f.inhalt), u"/tmp/"_s + QString::fromLatin1(f.name));
            ADD_FAILURE() << "not refused";
        } catch (const UserError& e) {
            EXPECT_EQ(e.meldung(),
                u"Die Datei %1 ist beschädigt: %2. Aus ihr wurde nichts übernommen."_s.arg(
                    QString::fromLatin1(f.name), QString::fromUtf16(f.grund)));
        }
    }
    // A length beyond any file, up to the end of the integer range, is past the end, not a wrap-around.
    for (const char* inhalt :
        { "<eoh><call:9223372036854775807>DL1ABC<eor>", "<eoh><call:9223372036854775800>DL1ABC<eor>",
            "<call:4611686018427387904>DL1ABC<gridsquare:6>JO31AB<eor>" }) {
        SCOPED_TRACE(inhalt);
        try {
            StationsImport::lesenDatei(QByteArray(inhalt), u"log.adi"_s);
            ADD_FAILURE() << "not refused";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().contains(u"reicht über das Dateiende hinaus"_s))
                << e.meldung().toStdString();
        }
    }
    // A binary file is no list.
    EXPECT_THROW(StationsImport::lesenDatei(QByteArray("SQLite format 3\0\1\2", 18), u"x.mdb"_s), UserError);
}

} // namespace
} // namespace tarvex
