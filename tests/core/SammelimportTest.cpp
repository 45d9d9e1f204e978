#include "callinfo/Sammelimport.h"
#include "common/UserError.h"
#include "entry/StationsEintrag.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct Qso {
    QString call;
    QString locator;
    QString datum = u"261205"_s;
    QString punkte = u"100"_s;
};

QByteArray edi(const QString& pcall, const QString& pband, const QList<Qso>& qsos, const QString& pwwlo = {})
{
    QString t = u"[REG1TEST;1]\nTName=Test\nPCall="_s + pcall + u"\nPWWLo="_s + pwwlo + u"\nPBand="_s + pband
        + u"\n[Remarks]\n[QSORecords;"_s + QString::number(qsos.size()) + u"]\n"_s;
    for (const Qso& q : qsos)
        t += q.datum + u";1400;"_s + q.call + u";1;59;001;59;001;;"_s + q.locator + u';' + q.punkte
            + u";;;;\n"_s;
    return (t + u"[END;Test]\n"_s).toLatin1();
}

QStringList zeilen(Connection& c, const QString& sql)
{
    QStringList r;
    for (const QVariantList& z : c.select(sql).zeilen)
        r.append(z.value(0).toString());
    return r;
}

const Qso kStamm { u"DL1ABC"_s, u"JO31AB"_s };
const Qso kTippfehler { u"DL1ABC"_s, u"JO31BA"_s };

TEST(Sammelimport, TakesAPairOnlyWhenEnoughDifferentLogsHoldIt)
{
    struct Datei {
        QString name;
        QByteArray inhalt;
    };
    struct Fall {
        const char* name;
        QList<Datei> dateien;
        QStringList logstations; // CALL|LOCATORS|LOGS
        int logs, gesehen, übernommen, zurückgehalten, beschädigt;
    };
    const Fall fälle[] = {
        { "three logs on 2 m take the pair, the typo seen once is held back",
            { { u"a.edi"_s, edi(u"DK1AA"_s, u"144 MHz"_s, { kStamm }) },
                { u"b.edi"_s, edi(u"DK2BB"_s, u"144 MHz"_s, { kStamm }) },
                { u"c.edi"_s, edi(u"DK3CC"_s, u"145 MHz"_s, { kStamm, kTippfehler }) } },
            { u"DL1ABC|JO31AB|3"_s }, 3, 2, 1, 1, 0 },
        { "the same PCall in two files is one log",
            { { u"a.edi"_s, edi(u"DK1AA"_s, u"144 MHz"_s, { kStamm }) },
                { u"b.edi"_s, edi(u"DK1AA/P"_s, u"144 MHz"_s, { kStamm }) },
                { u"c.edi"_s, edi(u"dk2bb"_s, u"144 MHz"_s, { kStamm }) } },
            {}, 2, 1, 0, 1, 0 },
        { "above 2 m two logs are enough",
            { { u"a.edi"_s, edi(u"DK1AA"_s, u"432 MHz"_s, { kStamm }) },
                { u"b.edi"_s, edi(u"DK2BB"_s, u"1,3 GHz"_s, { kStamm, kTippfehler }) } },
            { u"DL1ABC|JO31AB|2"_s }, 2, 2, 1, 1, 0 },
        { "a damaged file is listed and skipped, the others count",
            { { u"a.edi"_s, edi(u"DK1AA"_s, u"432 MHz"_s, { kStamm }) },
                { u"kaputt.edi"_s, "[REG1TEST;1]\nPCall=DK9ZZ\n[QSORecords;1]\n261205;1400;DL1ABC;1\n" },
                { u"b.edi"_s, edi(u"DK2BB"_s, u"432 MHz"_s, { kStamm }) } },
            { u"DL1ABC|JO31AB|2"_s }, 2, 1, 1, 0, 1 },
        { "zero points without the duplicate mark do not count, the own station does",
            { { u"a.edi"_s,
                  edi(u"DK1AA"_s, u"432 MHz"_s, { { u"DL1ABC"_s, u"JO31AB"_s, u"261205"_s, u"0"_s } },
                      u"JO40AA"_s) },
                { u"b.edi"_s, edi(u"DK2BB"_s, u"432 MHz"_s, { kStamm, { u"DK1AA"_s, u"JO40AA"_s } }) } },
            { u"DK1AA|JO40AA|2"_s }, 2, 2, 1, 1, 0 },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        test::WorkDir dir;
        test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), {});
        QStringList pfade;
        for (const Datei& d : f.dateien) {
            test::schreibeDatei(dir.pfad(u"logs/"_s + d.name), d.inhalt);
            pfade.append(dir.pfad(u"logs/"_s + d.name));
        }
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        const Sammelimport::Bericht b = Sammelimport::importieren(c, pfade, {}, {});
        EXPECT_EQ(
            zeilen(c, u"SELECT CALL || '|' || LOCATORS || '|' || LOGS FROM LOGSTATIONS ORDER BY CALL"_s),
            f.logstations);
        EXPECT_EQ((QList<int> { b.dateien, b.logs, b.paareGesehen, b.paareÜbernommen, b.paareZurückgehalten,
                      static_cast<int>(b.beschädigt.size()) }),
            (QList<int> { static_cast<int>(f.dateien.size()) - f.beschädigt, f.logs, f.gesehen, f.übernommen,
                f.zurückgehalten, f.beschädigt }));
        for (const QString& m : b.beschädigt)
            EXPECT_TRUE(m.contains(u"kaputt.edi"_s) && m.contains(u"beschädigt"_s)) << m.toStdString();
    }
}

TEST(Sammelimport, OrdersLocatorsByMonthThenByLogsAndKeepsThree)
{
    // Five locators of one station, each in enough logs: two of December, three older.
    QList<QByteArray> logs;
    const auto qso = [](const char* loc, const char* datum) {
        return Qso { u"DL1ABC"_s, QString::fromLatin1(loc), QString::fromLatin1(datum) };
    };
    logs.append(edi(u"DK1AA"_s, u"432 MHz"_s,
        { qso("JO31AA", "250601"), qso("JO40AA", "261204"), qso("JO50AA", "240101") }));
    logs.append(edi(u"DK2BB"_s, u"432 MHz"_s,
        { qso("JO31AA", "250602"), qso("JO40AA", "261205"), qso("JO50AA", "240101") }));
    logs.append(edi(u"DK3CC"_s, u"432 MHz"_s,
        { qso("JO41AA", "261206"), qso("JO40AA", "261205"), qso("JO60AA", "230101") }));
    logs.append(edi(u"DK4DD"_s, u"432 MHz"_s, { qso("JO41AA", "261206"), qso("JO60AA", "230101") }));
    test::WorkDir dir;
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), {});
    QStringList pfade;
    for (int i = 0; i < logs.size(); ++i) {
        pfade.append(dir.pfad(u"log%1.edi"_s.arg(i)));
        test::schreibeDatei(pfade.last(), logs[i]);
    }
    Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
    const Sammelimport::Bericht b = Sammelimport::importieren(c, pfade, {}, {});
    // December: JO40AA in three logs before JO41AA in two; then June 2025; the rest is dropped.
    EXPECT_EQ(zeilen(c, u"SELECT LOCATORS || '|' || LOGS FROM LOGSTATIONS"_s),
        (QStringList { u"JO40AA JO41AA JO31AA|3 2 2"_s }));
    EXPECT_EQ(b.paareÜbernommen, 3);
    EXPECT_EQ(b.paareÜberzählig, 2);
}

TEST(Sammelimport, OwnContestIsOneSourceAndAnImportReplacesOnlyWhatImportsBrought)
{
    test::WorkDir dir;
    test::ContestDatInhalt inhalt;
    inhalt.stationen.push_back({ u"DL1ABC"_s, u"JO31AB"_s });
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
    const QString a = dir.pfad(u"a.edi"_s), b = dir.pfad(u"b.edi"_s);
    test::schreibeDatei(a, edi(u"DK1AA"_s, u"144 MHz"_s, { { u"DL2XYZ"_s, u"JO62QM"_s } }));
    test::schreibeDatei(
        b, edi(u"DK2BB"_s, u"144 MHz"_s, { { u"DL2XYZ"_s, u"JO62QM"_s }, { u"DL3OLD"_s, u"JO30AA"_s } }));
    Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);

    // Two logs fall short of three on 2 m; the own contest's contacts make the third.
    Sammelimport::Bericht bericht = Sammelimport::importieren(c, { a, b }, {}, {});
    EXPECT_EQ(bericht.paareÜbernommen, 0);
    const QList<StationenAbfrage::RufzeichenLocator> eigene { { "DL2XYZ/P", "JO62QM" },
        { "DL2XYZ", "JO62QM" }, { "DL3OLD", "JO30AA" } };
    bericht = Sammelimport::importieren(c, { a, b }, {}, eigene);
    EXPECT_EQ(bericht.logs, 2);
    EXPECT_EQ(zeilen(c, u"SELECT CALL || '|' || LOGS FROM LOGSTATIONS ORDER BY CALL"_s),
        (QStringList { u"DL2XYZ|3"_s }));

    // A later import with a lower threshold replaces the rows; STATIONS stays as it was.
    bericht = Sammelimport::importieren(c, { b }, { 1, 1 }, {});
    EXPECT_EQ(zeilen(c, u"SELECT CALL FROM LOGSTATIONS ORDER BY CALL"_s),
        (QStringList { u"DL2XYZ"_s, u"DL3OLD"_s }));
    EXPECT_EQ(
        zeilen(c, u"SELECT CALL || '|' || LOCATORS FROM STATIONS"_s), (QStringList { u"DL1ABC|JO31AB"_s }));

    // A cancel between files writes nothing.
    int gefragt = 0;
    bericht = Sammelimport::importieren(c, { a }, { 1, 1 }, {}, [&](int erledigt, int) {
        ++gefragt;
        return erledigt < 1;
    });
    EXPECT_TRUE(bericht.abgebrochen);
    EXPECT_EQ(gefragt, 2);
    EXPECT_EQ(zeilen(c, u"SELECT CALL FROM LOGSTATIONS ORDER BY CALL"_s),
        (QStringList { u"DL2XYZ"_s, u"DL3OLD"_s }));
}

TEST(Sammelimport, FindsEdiFilesInSubfoldersInAnyCase)
{
    test::WorkDir dir;
    for (const char* name :
        { "logs/a.edi", "logs/2026/März/B.EDI", "logs/x/c.Edi", "logs/liste.txt", "logs/d.edi.bak" })
        test::schreibeDatei(dir.pfad(QString::fromUtf8(name)), "x");
    QStringList relativ;
    for (const QString& p : Sammelimport::ediDateien(dir.pfad(u"logs"_s)))
        relativ.append(QDir(dir.pfad(u"logs"_s)).relativeFilePath(p));
    EXPECT_EQ(relativ, (QStringList { u"2026/März/B.EDI"_s, u"a.edi"_s, u"x/c.Edi"_s }));
}

TEST(Sammelimport, ThresholdFollowsTheBandDesignation)
{
    const Sammelimport s({ 3, 2 });
    const std::pair<const char*, int> fälle[]
        = { { "50 MHz", 3 }, { "70 MHz", 3 }, { "144 MHz", 3 }, { "145 MHz", 3 }, { "432 MHz", 2 },
              { "435 MHz", 2 }, { "1,3 GHz", 2 }, { "1.3 GHz", 2 }, { "2,3 GHz", 2 }, { "10 GHz", 2 },
              { "", 3 }, { "2m", 3 }, { "6 m", 3 }, { "70cm", 2 }, { "23 cm", 2 }, { "unbekannt", 3 } };
    for (const auto& [pband, n] : fälle)
        EXPECT_EQ(s.schwelle(QString::fromLatin1(pband)), n) << pband;
}

TEST(Sammelimport, LookUpOffersTheStoredRowFirstThenWhatTheImportAdds)
{
    using O = std::optional<QString>;
    const std::tuple<O, O, O> fälle[] = {
        { std::nullopt, std::nullopt, std::nullopt },
        { u"JO31AB"_s, std::nullopt, u"JO31AB"_s },
        { std::nullopt, u"JO40AA JO41AA"_s, u"JO40AA JO41AA"_s },
        { u"JO31AB"_s, u"JO40AA JO31AB"_s, u"JO31AB JO40AA"_s },
        { u"JO31AB;"_s, u"JO31AB"_s, u"JO31AB;"_s },
        { u"JO31AB JO32AB"_s, u"JO40AA JO41AA"_s, u"JO31AB JO32AB JO40AA"_s },
        { u"JO31AB JO32AB JO33AB"_s, u"JO40AA"_s, u"JO31AB JO32AB JO33AB"_s },
    };
    for (const auto& [stations, importiert, erwartet] : fälle)
        EXPECT_EQ(bekannteLocators(stations, importiert), erwartet);

    test::WorkDir dir;
    test::ContestDatInhalt inhalt;
    inhalt.stationen.push_back({ u"DL1ABC"_s, u"JO31AB"_s });
    test::schreibeContestDat(dir.pfad(u"CONTEST.DAT"_s), inhalt);
    ContestDat dat(dir.root());
    // A file from before the bulk import has no LOGSTATIONS: nothing, no error.
    EXPECT_EQ(dat.importierteLocators(u"DL1ABC"_s), std::nullopt);
    {
        const QString a = dir.pfad(u"a.edi"_s);
        test::schreibeDatei(
            a, edi(u"DK1AA"_s, u"432 MHz"_s, { { u"DL1ABC"_s, u"JO40AA"_s }, { u"DL2XYZ"_s, u"JO62QM"_s } }));
        Connection c(dir.pfad(u"CONTEST.DAT"_s), Connection::Zugriff::LesenSchreiben);
        Sammelimport::importieren(c, { a }, { 1, 1 }, {});
    }
    EXPECT_EQ(dat.importierteLocators(u"DL1ABC"_s), u"JO40AA"_s);
    // The locator search: the STATIONS row, then an imported row only where STATIONS has no match.
    const auto calls = [&](const QString& muster) {
        QStringList r;
        for (const auto& [call, locators] : dat.stationenMitLocator(muster))
            r.append(call + u'|' + locators);
        return r;
    };
    EXPECT_EQ(calls(u"JO*"_s), (QStringList { u"DL1ABC|JO31AB"_s, u"DL2XYZ|JO62QM"_s }));
    EXPECT_EQ(calls(u"JO40*"_s), (QStringList { u"DL1ABC|JO40AA"_s }));
}

} // namespace
} // namespace tarvex
