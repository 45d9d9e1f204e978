#include "formats/EdiLeser.h"
#include "formats/EdiSchreiber.h"
#include "formats/OperatorenZeile.h"
#include "logout/EdiExport.h"
#include "logout/LogFelder.h"
#include "logout/LogModel.h"
#include "store/ContestDatabase.h"
#include "support/DatenbankEingriffe.h"
#include "support/LogFixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// A small 10 GHz log: CW and SSB, an accepted duplicate, a contact declared
// invalid, new squares and countries, two contacts sharing the best distance.
QList<QsoRecord> kleinerContest()
{
    const char16_t* const zeilen[][8] = {
        { u"05.12.26", u"14:05", u"DL1ABC", u"599001", u"579012", u"JO31AB", u"120", u"Deutschland" },
        { u"05.12.26", u"14:20", u"OE5XYZ", u"59002", u"59005", u"JN78AA", u"450", u"Österreich" },
        { u"05.12.26", u"14:31", u"DL1ABC/P", u"59003", u"59013", u"JO31AB", u"-----", u"Deutschland" },
        { u"05.12.26", u"15:02", u"DK2XY", u"59004", u"59001", u"JO31CD", u"30", u"Deutschland" },
        { u"06.12.26", u"08:10", u"G4ABC", u"599005", u"599020", u"IO91WM", u"-----", u"England" },
        { u"06.12.26", u"09:45", u"PA3XYZ", u"59006", u"59009", u"JO22XX", u"450", u"Niederlande" },
    };
    QList<QsoRecord> qsos;
    for (const auto& z : zeilen) {
        QStringList w;
        for (const char16_t* feld : z)
            w.append(QString::fromUtf16(feld));
        const bool ungültig = w[6] == kUngültigePunkte;
        qsos.append({ 0, w[0], w[1], w[2], w[3], w[4], w[5], w[6], {}, w[2].section(u'/', 0, 0),
            ungültig ? u" "_s : w[5].left(4), ungültig ? u" "_s : w[7], {}, false });
    }
    return qsos;
}

const EdiSchreiber::Station zehnGHz { u"DL0XX/P"_s, u"JO31AA"_s, u"10368MHz"_s };

// A written file read back by the reader the known-stations import uses.
EdiDatei gelesen(const QString& pfad)
{
    const QList<EdiDatei> blöcke = EdiLeser::lesen(QString::fromLatin1(test::dateiInhalt(pfad)));
    EXPECT_EQ(blöcke.size(), 1);
    return blöcke.value(0);
}

using EdiTest = test::LogFixture;

TEST_F(EdiTest, SmallContestMatchesTheGoldenFile)
{
    deckblattFüllen();
    const QList<QsoRecord> qsos = kleinerContest();
    const QString name = EdiSchreiber::dateiname(zehnGHz, qsos);
    EXPECT_EQ(name, u"10368MHz-122026-DL0XX.EDI"_s);
    EdiSchreiber::schreiben(name, EdiSchreiber::erstellen(EdiExport::angaben(log.felder()), zehnGHz, qsos));
    EXPECT_EQ(test::dateiInhalt(name), test::golden(u"edi_10ghz.txt"_s));
    EXPECT_FALSE(QFile::exists(name + u".tmp"_s));
}

TEST(EdiSchreiberTest, FreeTextsBecomeAsciiThatCannotBreakARecord)
{
    const std::pair<QString, QString> fälle[] = {
        { u"Jörg Müller-Straße"_s, u"Joerg Mueller-Strasse"_s },
        { u"a;b"_s, u"a,b"_s },
        { u"Zeile 1\r\nZeile 2"_s, u"Zeile 1  Zeile 2"_s },
        { u"Café Señor"_s, u"Cafe Senor"_s },
        { u"5 €"_s, u"5 ?"_s },
    };
    for (const auto& [ein, aus] : fälle)
        EXPECT_EQ(EdiSchreiber::ascii(ein), aus) << ein.toStdString();
    // Only E and M are certain sections; anything else is written as typed.
    EXPECT_EQ(EdiSchreiber::sektion(u"M"_s, u"2"_s), u"MULTI 2"_s);
    EXPECT_EQ(EdiSchreiber::sektion(u"e"_s, QString()), u"SINGLE"_s);
    EXPECT_EQ(EdiSchreiber::sektion(u"X"_s, u"A;"_s), u"X A,"_s);
}

TEST(EdiSchreiberTest, ReportAndNumberSplitByTheStoredTextsOwnShape)
{
    struct Fall {
        const char16_t* gespeichert;
        qint64 laufend;
        const char16_t* rapport;
        const char16_t* nummer;
    };
    const Fall fälle[] = {
        { u"59001", 1, u"59", u"001" },
        { u"599005", 5, u"599", u"005" },
        { u"599005", 0, u"599", u"005" }, // received: no running number to go by
        { u"59A003", 3, u"59A", u"003" }, // a letter stays in the report, the number is digits
        { u"5991001", 1001, u"599", u"1001" },
        { u"591001", 1001, u"59", u"1001" }, // phone on contact 1,001
        { u"591001", 1, u"591", u"001" }, // CW 591 on contact 1
        { u"591000", 0, u"59", u"1000" }, // 591 + 000 is no serial number
        { u"590003", 0, u"59", u"0003" }, // tone 0 is no CW report
        { u"59A1001", 1001, u"59A", u"1001" },
        { u"59", 1, u"59", u"" },
        { u"5A", 1, u"5A", u"" },
        { u"", 1, u"", u"" },
        { u"59ABCD12", 1, u"59A", u"" }, // no number: the report is cut, nothing invented
        { u"59999999999", 0, u"599", u"9999" },
    };
    for (const Fall& f : fälle) {
        const auto r = EdiSchreiber::teilen(QString::fromUtf16(f.gespeichert), f.laufend);
        EXPECT_EQ(r.rapport, QString::fromUtf16(f.rapport))
            << QString::fromUtf16(f.gespeichert).toStdString();
        EXPECT_EQ(r.nummer, QString::fromUtf16(f.nummer)) << QString::fromUtf16(f.gespeichert).toStdString();
    }
}

// Every QSO record the writer makes from odd stored texts keeps the field rules
// of the format: a robot refuses the whole log for one bad record.
TEST_F(EdiTest, EveryRecordKeepsTheFieldRulesOfTheFormat)
{
    QList<QsoRecord> qsos = kleinerContest();
    const std::pair<QString, QString> rapporte[] = {
        { u"59A003"_s, u"59001"_s },
        { u"599005"_s, u"59001"_s },
        { u"59"_s, u""_s },
        { u"5991001"_s, u"59\u00e4001"_s },
        { u"59;001"_s, u"5 9001"_s },
        { u"59ABCDEF"_s, u"12345678901"_s },
    };
    for (const auto& [geg, erh] : rapporte) {
        QsoRecord q = qsos.first();
        q.rstGeg = geg;
        q.rstErh = erh;
        qsos.append(q);
    }
    EdiSchreiber::schreiben(
        u"R.EDI"_s, EdiSchreiber::erstellen(EdiExport::angaben(log.felder()), zehnGHz, qsos));
    const QStringList zeilen = QString::fromLatin1(test::dateiInhalt(u"R.EDI"_s)).split(u"\r\n"_s);
    const qsizetype start = zeilen.indexOf(u"[QSORecords;%1]"_s.arg(qsos.size()));
    ASSERT_GE(start, 0);
    const QRegularExpression regeln[] = {
        QRegularExpression(u"^\\d{6}$"_s),
        QRegularExpression(u"^\\d{4}$"_s),
        QRegularExpression(u"^[A-Z0-9/]{3,14}$"_s),
        QRegularExpression(u"^[0-9]?$"_s),
        QRegularExpression(u"^.{0,3}$"_s),
        QRegularExpression(u"^\\d{0,4}$"_s),
        QRegularExpression(u"^.{0,3}$"_s),
        QRegularExpression(u"^\\d{0,4}$"_s),
        QRegularExpression(u"^.{0,6}$"_s),
        QRegularExpression(u"^([A-R]{2}\\d{2}[A-X]{2})?$"_s),
        QRegularExpression(u"^\\d{0,6}$"_s),
        QRegularExpression(u"^N?$"_s),
        QRegularExpression(u"^N?$"_s),
        QRegularExpression(u"^N?$"_s),
        QRegularExpression(u"^D?$"_s),
    };
    for (qsizetype i = 1; i <= qsos.size(); ++i) {
        const QStringList felder = zeilen.value(start + i).split(u';');
        ASSERT_EQ(felder.size(), 15) << zeilen.value(start + i).toStdString();
        for (int f = 0; f < 15; ++f)
            EXPECT_TRUE(regeln[f].match(felder[f]).hasMatch())
                << "record " << i << " field " << f + 1 << ": " << zeilen.value(start + i).toStdString();
    }
    // The mixed directions have codes of their own: CW sent, phone received.
    EXPECT_TRUE(zeilen.value(start + 8).contains(u";4;599;005;59;001;"_s))
        << zeilen.value(start + 8).toStdString();
    EXPECT_TRUE(zeilen.value(start + 7).contains(u";1;59A;003;59;001;"_s))
        << zeilen.value(start + 7).toStdString();
}

TEST_F(EdiTest, TheReaderTakesEveryRecordTheWriterWrote)
{
    const QList<QsoRecord> qsos = kleinerContest();
    EdiSchreiber::schreiben(
        u"X.EDI"_s, EdiSchreiber::erstellen(EdiExport::angaben(log.felder()), zehnGHz, qsos));
    const EdiDatei zurück = gelesen(u"X.EDI"_s);
    EXPECT_EQ(zurück.wert(u"PCall"_s), u"DL0XX/P"_s);
    ASSERT_EQ(zurück.qsos.size(), qsos.size());
    for (qsizetype i = 0; i < qsos.size(); ++i) {
        EXPECT_EQ(zurück.qsos[i].rufzeichen, EdiSchreiber::ascii(qsos[i].rufzeichen));
        EXPECT_EQ(zurück.qsos[i].locator, EdiSchreiber::ascii(qsos[i].locator));
    }
}

// Logs of other programs are read as far as they hold stations: what a robot
// would refuse is no reason to lose the calls and locators.
TEST_F(EdiTest, WhatOtherProgramsWriteIsReadAsFarAsItGoes)
{
    const QStringList gut
        = QString::fromLatin1(test::golden(u"edi_10ghz.txt"_s)).split(u"\r\n"_s, Qt::SkipEmptyParts);
    const qsizetype qsoKopf = gut.indexOf(u"[QSORecords;6]"_s);
    const auto geändert = [&](qsizetype zeile, const QString& text) {
        QStringList z = gut;
        if (text.isNull())
            z.removeAt(zeile);
        else
            z[zeile] = text;
        return z;
    };
    struct Fall {
        const char* name;
        QStringList zeilen;
        qsizetype qsos;
    };
    const Fall fälle[] = {
        { "no [END]", geändert(gut.size() - 1, QString()), 6 },
        { "count that does not match", geändert(qsoKopf + 1, QString()), 5 },
        { "count missing", geändert(qsoKopf, u"[QSORecords]"_s), 6 },
        { "header line without \"=\"", geändert(2, u"TDate 20261205"_s), 6 },
        { "blanks and lower case", geändert(0, u"  [reg1test;1]  "_s), 6 },
        { "record of ten fields", geändert(qsoKopf + 1, u"261205;1405;DL1ABC;2;599;001;579;012;;JO31AB"_s),
            6 },
        { "two bands", gut + gut, 12 },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        const QList<EdiDatei> blöcke = EdiLeser::lesen(f.zeilen.join(u"\n"_s));
        qsizetype qsos = 0;
        for (const EdiDatei& d : blöcke) {
            qsos += d.qsos.size();
            EXPECT_EQ(d.wert(u"pcall"_s), u"DL0XX/P"_s);
        }
        EXPECT_EQ(qsos, f.qsos);
    }
    const EdiDatei kurz = EdiLeser::lesen(
        geändert(qsoKopf + 1, u"261205;1405;DL1ABC;2;599;001;579;012;;JO31AB"_s).join(u"\n"_s))[0];
    EXPECT_EQ(kurz.qsos[0].locator, u"JO31AB"_s);
    EXPECT_EQ(kurz.qsos[0].punkte, QString());
}

TEST_F(EdiTest, DruckenWritesTheBandAndNamesItInTheReminder)
{
    kontakte(60);
    log.setDeckblatt(false);
    log.setLog(false);
    ASSERT_TRUE(log.chkEDI());
    prompter.vergiss();
    log.drucken(drucker);
    const QString name = u"144MHz-122026-DL0XX.EDI"_s;
    EXPECT_EQ(log.txtEdiname(), name);
    ASSERT_FALSE(prompter.gezeigt().empty());
    EXPECT_TRUE(prompter.gezeigt().back().text.endsWith(
        u"\nDie EDI-Datei \"144MHz-122026-DL0XX.EDI\" bitte an den Contest-Manager senden."_s));

    // The claimed figures are what the running score computes afresh.
    const EdiDatei d = gelesen(name);
    const Summen s = test::summenAusDatei(*model.db(), u"144MHz"_s);
    EXPECT_EQ(d.qsos.size(), 60);
    EXPECT_EQ(d.wert(u"CQSOs"_s), QString::number(s.gültige) + u";1"_s);
    EXPECT_EQ(d.wert(u"CQSOP"_s), QString::number(qint64(s.summe)));
    EXPECT_EQ(d.wert(u"CWWLs"_s), QString::number(s.großfelder) + u";0;1"_s);
    EXPECT_EQ(d.wert(u"CDXCs"_s), QString::number(s.länder) + u";0;1"_s);
    EXPECT_EQ(d.wert(u"CODXC"_s), s.odxCall + u";JO31AB;1234"_s);
}

TEST_F(EdiTest, TheTickIsKeptAndUntickedNoFileIsWritten)
{
    log.setEDI(false);
    EXPECT_FALSE(LogModel(model, prompter, clock).chkEDI());
    kontakte(3);
    log.setDeckblatt(false);
    log.setLog(false);
    prompter.vergiss();
    log.drucken(drucker);
    EXPECT_TRUE(QDir(dir.root()).entryList({ u"*.EDI"_s }).isEmpty());
    EXPECT_EQ(log.txtEdiname(), QString());
    EXPECT_EQ(prompter.gezeigt().back().text, LogModel::erinnerung(log.txtExportname()));
    log.setEDI(true);
    EXPECT_TRUE(LogModel(model, prompter, clock).chkEDI());
}

TEST_F(EdiTest, AFileThatCannotBeWrittenIsReportedAndStopsTheRun)
{
    kontakte(2);
    log.setDeckblatt(false);
    log.setLog(false);
    // A directory in the file's place: the rename cannot replace it.
    ASSERT_TRUE(QDir(dir.root()).mkdir(u"144MHz-122026-DL0XX.EDI"_s));
    prompter.vergiss();
    log.drucken(drucker);
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(text.startsWith(u"Die EDI-Datei 144MHz-122026-DL0XX.EDI kann nicht geschrieben"_s));
    EXPECT_TRUE(text.endsWith(u"Die weiteren Ausgaben entfallen."_s));
    EXPECT_FALSE(QFile::exists(u"144MHz-122026-DL0XX.EDI.tmp"_s));
}

TEST_F(EdiTest, AllBandsEachWithItsOwnStationData)
{
    kontakte(5);
    settings.schreiben(u"Log"_s, u"Wettbewerb"_s, u"Dezember-Contest"_s);
    settings.schreiben(u"Log144MHz"_s, u"Antenne"_s, u"Yagi 144"_s);
    settings.schreiben(u"Log432MHz"_s, u"Antenne"_s, u"Yagi 432"_s);
    prompter.vergiss();
    EdiExport::alleBänder(model, prompter);
    EXPECT_EQ(prompter.texte(),
        QStringList { u"EDI-Dateien geschrieben:\n144MHz-122026-DL0XX.EDI\n432MHz-DL0XX.EDI (ohne QSOs)"_s });
    const EdiDatei d144 = gelesen(u"144MHz-122026-DL0XX.EDI"_s);
    const EdiDatei d432 = gelesen(u"432MHz-DL0XX.EDI"_s);
    EXPECT_EQ(d144.wert(u"SAnte"_s), u"Yagi 144"_s);
    EXPECT_EQ(d432.wert(u"SAnte"_s), u"Yagi 432"_s);
    EXPECT_EQ(d432.wert(u"TName"_s), u"Dezember-Contest"_s);
    EXPECT_EQ(d432.wert(u"PBand"_s), u"432 MHz"_s);
    EXPECT_EQ(d144.qsos.size(), 5);
    // A band without contacts: the header only.
    EXPECT_TRUE(d432.qsos.isEmpty());
    EXPECT_EQ(d432.wert(u"CQSOs"_s), u"0;1"_s);
}

TEST(EdiSchreiberTest, OperatorLinesHoldEachOwnCallOnce)
{
    const std::pair<const char16_t*, const char16_t*> fälle[] = {
        { u"DL1ABC DK2XY", u"DL1ABC;DK2XY" },
        { u"dl1abc/p, OE/DK2XY;  DL1ABC", u"DL1ABC;DK2XY" },
        { u"DL1ABC/M;;DK2XY/MM", u"DL1ABC;DK2XY" },
        { u"  ", u"" },
        { u"", u"" },
    };
    for (const auto& [getippt, zeile] : fälle)
        EXPECT_EQ(operatorenZeile(QString::fromUtf16(getippt)), QString::fromUtf16(zeile))
            << QString::fromUtf16(getippt).toStdString();
}

TEST_F(EdiTest, OperatorsAndResponsibleCallAreKeptPerBandAndWritten)
{
    kontakte(2);
    settings.schreiben(u"Log144MHz"_s, u"MOpe1"_s, u"DL1ABC/P DK2XY"_s);
    settings.schreiben(u"Log144MHz"_s, u"MOpe2"_s, u"OE/DL3QQ"_s);
    settings.schreiben(u"Log144MHz"_s, u"RCall"_s, u"dk2xy/p"_s);
    settings.schreiben(u"Log432MHz"_s, u"Antenne"_s, u"Yagi 432"_s);
    prompter.vergiss();
    EdiExport::alleBänder(model, prompter);
    const EdiDatei d144 = gelesen(u"144MHz-122026-DL0XX.EDI"_s);
    const EdiDatei d432 = gelesen(u"432MHz-DL0XX.EDI"_s);
    EXPECT_EQ(d144.wert(u"MOpe1"_s), u"DL1ABC;DK2XY"_s);
    EXPECT_EQ(d144.wert(u"MOpe2"_s), u"DL3QQ"_s);
    EXPECT_EQ(d144.wert(u"RCall"_s), u"DK2XY"_s);
    // The other band has its own station data: no operators, the responsible call from the own call.
    EXPECT_EQ(d432.wert(u"MOpe1"_s), QString());
    EXPECT_EQ(d432.wert(u"RCall"_s), u"DL0XX"_s);

    LogFelder felder;
    felder.lesen(settings, u"144MHz"_s);
    EXPECT_EQ(felder.text(LogFeld::MOpe1), u"DL1ABC/P DK2XY"_s);
    EXPECT_EQ(LogFelder::abschnitt(LogFeld::RCall, u"144MHz"_s), u"Log144MHz"_s);
}

} // namespace
} // namespace tarvex
