#include "common/TextFile.h"
#include "common/UserError.h"
#include "logout/EdiExport.h"
#include "logout/EdiLeser.h"
#include "logout/EdiSchreiber.h"
#include "logout/LogFelder.h"
#include "logout/LogModel.h"
#include "store/ContestDatabase.h"
#include "support/LogFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using F = LogFeld;

QsoRecord qso(const QString& datum, const QString& zeit, const QString& call, const QString& geg,
    const QString& erh, const QString& locator, const QString& punkte, const QString& land)
{
    QsoRecord q;
    q.datum = datum;
    q.zeit = zeit;
    q.rufzeichen = call;
    q.rstGeg = geg;
    q.rstErh = erh;
    q.locator = locator;
    q.punkte = punkte;
    q.kernCall = call.section(u'/', 0, 0);
    const bool ungültig = punkte == kUngültigePunkte;
    q.square = ungültig ? u" "_s : locator.left(4);
    q.land = ungültig ? u" "_s : land;
    return q;
}

// A small 10 GHz log: CW and SSB, an accepted duplicate, a contact declared
// invalid, new squares and countries, two contacts sharing the best distance.
QList<QsoRecord> kleinerContest()
{
    const QString u = kUngültigePunkte;
    return {
        qso(u"05.12.26"_s, u"14:05"_s, u"DL1ABC"_s, u"599001"_s, u"579012"_s, u"JO31AB"_s, u"120"_s,
            u"Deutschland"_s),
        qso(u"05.12.26"_s, u"14:20"_s, u"OE5XYZ"_s, u"59002"_s, u"59005"_s, u"JN78AA"_s, u"450"_s,
            u"Österreich"_s),
        qso(u"05.12.26"_s, u"14:31"_s, u"DL1ABC/P"_s, u"59003"_s, u"59013"_s, u"JO31AB"_s, u,
            u"Deutschland"_s),
        qso(u"05.12.26"_s, u"15:02"_s, u"DK2XY"_s, u"59004"_s, u"59001"_s, u"JO31CD"_s, u"30"_s,
            u"Deutschland"_s),
        qso(u"06.12.26"_s, u"08:10"_s, u"G4ABC"_s, u"599005"_s, u"599020"_s, u"IO91WM"_s, u, u"England"_s),
        qso(u"06.12.26"_s, u"09:45"_s, u"PA3XYZ"_s, u"59006"_s, u"59009"_s, u"JO22XX"_s, u"450"_s,
            u"Niederlande"_s),
    };
}

LogFelder stationsdaten()
{
    LogFelder f;
    const std::pair<F, QString> werte[] = {
        { F::Wettbewerb, u"Dezember-Contest UKW 2026"_s },
        { F::Datum, u"05.12.2026"_s },
        { F::Wertungsgruppe, u"1"_s },
        { F::DOK, u"X99"_s },
        { F::Einmann, u"E"_s },
        { F::Name, u"Jörg Müller"_s },
        { F::Straße, u"Hauptstraße 1"_s },
        { F::Ort, u"12345 Musterstadt"_s },
        { F::Sender, u"IC-9700; Transverter"_s },
        { F::Empfänger, u"IC-9700"_s },
        { F::Eingangsstufe, u"LNA 0,8 dB"_s },
        { F::Antenne, u"60 cm Spiegel\n"_s },
        { F::Ausgangsleistung, u"10"_s },
        { F::ÜberGrund, u"12"_s },
        { F::ÜberNN, u"345"_s },
    };
    for (const auto& [feld, text] : werte)
        f.setText(feld, text);
    return f;
}

const EdiSchreiber::Station zehnGHz { u"DL0XX/P"_s, u"JO31AA"_s, u"10368MHz"_s };

const char* const kGolden = R"([REG1TEST;1]
TName=Dezember-Contest UKW 2026
TDate=20261205;20261206
PCall=DL0XX/P
PWWLo=JO31AA
PExch=
PAdr1=
PAdr2=
PSect=SINGLE 1
PBand=10 GHz
PClub=X99
RName=Joerg Mueller
RCall=DL0XX
RAdr1=Hauptstrasse 1
RAdr2=
RPoCo=12345
RCity=Musterstadt
RCoun=
RPhon=
RHBBS=
MOpe1=
MOpe2=
STXEq=IC-9700, Transverter
SPowe=10
SRXEq=IC-9700, LNA 0,8 dB
SAnte=60 cm Spiegel
SAntH=12;345
CQSOs=4;1
CQSOP=1050
CWWLs=3;0;1
CWWLB=0
CExcs=0;0;1
CExcB=0
CDXCs=3;0;1
CDXCB=0
CToSc=1050
CODXC=OE5XYZ;JN78AA;450
[Remarks]
[QSORecords;6]
261205;1405;DL1ABC;2;599;001;579;012;;JO31AB;120;;N;N;
261205;1420;OE5XYZ;1;59;002;59;005;;JN78AA;450;;N;N;
261205;1431;DL1ABC/P;1;59;003;59;013;;JO31AB;0;;;;D
261205;1502;DK2XY;1;59;004;59;001;;JO31CD;30;;;;
261206;0810;G4ABC;2;599;005;599;020;;IO91WM;0;;;;
261206;0945;PA3XYZ;1;59;006;59;009;;JO22XX;450;;N;N;
[END;Tarvex V3.0])";

QByteArray crlf(const char* text)
{
    return QByteArray(text).replace("\n", "\r\n") + "\r\n";
}

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(EdiSchreiberTest, SmallContestMatchesTheGoldenFile)
{
    test::WorkDir dir;
    const QList<QsoRecord> qsos = kleinerContest();
    const QString name = EdiSchreiber::dateiname(zehnGHz, qsos);
    EXPECT_EQ(name, u"10368MHz-122026-DL0XX.EDI"_s);
    EdiSchreiber::schreiben(name, EdiSchreiber::erstellen(stationsdaten(), zehnGHz, qsos));
    EXPECT_EQ(inhalt(name), crlf(kGolden));
    // Nothing left beside it.
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList { name });
}

TEST(EdiSchreiberTest, FreeTextsBecomeAsciiThatCannotBreakARecord)
{
    const std::pair<QString, QString> fälle[] = {
        { u"Jörg Müller-Straße"_s, u"Joerg Mueller-Strasse"_s },
        { u"ÄÖÜ"_s, u"AeOeUe"_s },
        { u"a;b"_s, u"a,b"_s },
        { u"Zeile 1\r\nZeile 2"_s, u"Zeile 1  Zeile 2"_s },
        { u"  Blanks  "_s, u"Blanks"_s },
        { u"Café Señor"_s, u"Cafe Senor"_s },
        { u"5 €"_s, u"5 ?"_s },
    };
    for (const auto& [ein, aus] : fälle)
        EXPECT_EQ(EdiSchreiber::ascii(ein), aus) << ein.toStdString();
}

TEST(EdiSchreiberTest, SectionAndBandNames)
{
    EXPECT_EQ(EdiSchreiber::sektion(u"M"_s, u"2"_s), u"MULTI 2"_s);
    EXPECT_EQ(EdiSchreiber::sektion(u"e"_s, QString()), u"SINGLE"_s);
    EXPECT_EQ(EdiSchreiber::sektion(u"X"_s, u"A;"_s), u"X A,"_s);
    const std::pair<QString, QString> bänder[] = {
        { u"50MHz"_s, u"50 MHz"_s },
        { u"144MHz"_s, u"144 MHz"_s },
        { u"432MHz"_s, u"432 MHz"_s },
        { u"1296MHz"_s, u"1,3 GHz"_s },
        { u"2320MHz"_s, u"2,3 GHz"_s },
        { u"3400MHz"_s, u"3,4 GHz"_s },
        { u"5760MHz"_s, u"5,7 GHz"_s },
        { u"10368MHz"_s, u"10 GHz"_s },
        { u"24192MHz"_s, u"24 GHz"_s },
        { u"47088MHz"_s, u"47 GHz"_s },
        { u"76032MHz"_s, u"76 GHz"_s },
    };
    for (const auto& [band, name] : bänder)
        EXPECT_EQ(EdiSchreiber::bandName(band), name);
}

TEST(EdiLeserTest, WriterThenReaderGivesTheSameFile)
{
    test::WorkDir dir;
    EdiDatei d = EdiSchreiber::erstellen(stationsdaten(), zehnGHz, kleinerContest());
    d.bemerkungen = { u"Antenne nach Sturm repariert"_s };
    EdiSchreiber::schreiben(u"X.EDI"_s, d);
    const EdiDatei gelesen = EdiLeser::lesenDatei(u"X.EDI"_s);
    ASSERT_EQ(gelesen.qsos.size(), d.qsos.size());
    for (qsizetype i = 0; i < d.qsos.size(); ++i)
        EXPECT_EQ(gelesen.qsos[i], d.qsos[i]) << i;
    EXPECT_EQ(gelesen.kopf, d.kopf);
    EXPECT_EQ(gelesen.bemerkungen, d.bemerkungen);

    // A remark that looks like a section is defused.
    d.bemerkungen = {u"[END] Bemerkung"_s};
    EdiSchreiber::schreiben(u"X.EDI"_s, d);
    EXPECT_EQ(EdiLeser::lesenDatei(u"X.EDI"_s).bemerkungen, QStringList{u"(END] Bemerkung"_s});
}

TEST(EdiLeserTest, DamagedFilesAreRefusedWithTheirReason)
{
    const QStringList gut = QString::fromLatin1(kGolden).split(u'\n');
    ASSERT_NO_THROW(EdiLeser::lesen(gut));
    const auto ohne = [&](qsizetype zeile) {
        QStringList z = gut;
        z.removeAt(zeile);
        return z;
    };
    const auto ersetzt = [&](qsizetype zeile, const QString& text) {
        QStringList z = gut;
        z[zeile] = text;
        return z;
    };
    const qsizetype qsoKopf = gut.indexOf(u"[QSORecords;6]"_s);
    const std::pair<QStringList, QString> fälle[] = {
        { {}, u"leer"_s },
        { ohne(0), u"[REG1TEST;1]"_s },
        { ohne(gut.size() - 1), u"[END"_s },
        { ohne(qsoKopf + 1), u"kündigt 6 QSOs an und enthält 5"_s },
        { ersetzt(qsoKopf + 1, u"261205;1405;DL1ABC;2;599;001"_s), u"Zeile 40: 6 statt 15 Felder"_s },
        { ersetzt(qsoKopf, u"[QSORecords;x]"_s), u"Anzahl der QSOs fehlt"_s },
        { ersetzt(2, u"TDate 20261205"_s), u"Zeile 3"_s },
    };
    for (const auto& [zeilen, grund] : fälle) {
        try {
            EdiLeser::lesen(zeilen);
            ADD_FAILURE() << "nicht abgelehnt: " << grund.toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().contains(grund)) << e.meldung().toStdString();
        }
    }
}

class EdiLogTest : public test::LogFixture {
protected:
    QString meldungen() const
    {
        QStringList t;
        for (const Meldung& m : prompter.gezeigt())
            t.append(m.titel + u": "_s + m.text);
        return t.join(u'\n');
    }
};

TEST_F(EdiLogTest, DruckenWritesTheBandAndNamesItInTheReminder)
{
    kontakte(60);
    deckblattFüllen();
    log.setDeckblatt(false);
    log.setLog(false);
    ASSERT_TRUE(log.chkEDI());
    prompter.vergiss();
    log.drucken(drucker);
    const QString name = u"144MHz-122026-DL0XX.EDI"_s;
    EXPECT_EQ(log.txtEdiname(), name);
    ASSERT_FALSE(prompter.gezeigt().empty());
    EXPECT_EQ(prompter.gezeigt().back().titel, u"Wichtig"_s);
    EXPECT_EQ(prompter.gezeigt().back().text, LogModel::erinnerung(log.txtExportname(), name));
    EXPECT_TRUE(prompter.gezeigt().back().text.endsWith(
        u"\nDie EDI-Datei \"144MHz-122026-DL0XX.EDI\" bitte an den Contest-Manager senden."_s));

    // ASCII with CR LF, and the claimed figures are what the running score computes afresh.
    const QByteArray bytes = inhalt(name);
    for (const char c : bytes)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80);
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    const EdiDatei d = EdiLeser::lesenDatei(name);
    const Summen s = model.datenbank()->summen(u"144MHz"_s);
    EXPECT_EQ(d.qsos.size(), 60);
    EXPECT_EQ(d.wert(u"CQSOs"_s), QString::number(s.gültige) + u";1"_s);
    EXPECT_EQ(d.wert(u"CQSOP"_s), QString::number(qint64(s.summe)));
    EXPECT_EQ(d.wert(u"CWWLs"_s), QString::number(s.großfelder) + u";0;1"_s);
    EXPECT_EQ(d.wert(u"CDXCs"_s), QString::number(s.länder) + u";0;1"_s);
    EXPECT_EQ(d.wert(u"CODXC"_s), s.odxCall + u";JO31AB;1234"_s);
    // One "N" per square and per country, points only on valid contacts.
    qint64 neueFelder = 0, neueLänder = 0, punkte = 0;
    for (const EdiQso& q : d.qsos) {
        neueFelder += q.neuerLocator == u"N"_s;
        neueLänder += q.neuesLand == u"N"_s;
        punkte += q.punkte.toLongLong();
    }
    EXPECT_EQ(neueFelder, s.großfelder);
    EXPECT_EQ(neueLänder, s.länder);
    EXPECT_EQ(punkte, qint64(s.summe));
    EXPECT_EQ(d.qsos[6].punkte, u"0"_s);
    EXPECT_EQ(d.wert(u"RName"_s), u"Erika Mustermann"_s);
    EXPECT_EQ(d.wert(u"RAdr1"_s), u"Hauptstrasse 1"_s);
    EXPECT_EQ(d.wert(u"SAntH"_s), u"12;345"_s);
}

TEST_F(EdiLogTest, TheTickIsKeptInTheSettings)
{
    log.setEDI(false);
    EXPECT_EQ(settings.lesen(u"EDI"_s, u"Erstellen"_s), u"0"_s);
    LogModel zweites(model, prompter, clock);
    EXPECT_FALSE(zweites.chkEDI());

    // Unticked: no file, and the reminder names only the exchange file.
    kontakte(3);
    log.setDeckblatt(false);
    log.setLog(false);
    prompter.vergiss();
    log.drucken(drucker);
    EXPECT_TRUE(QDir(dir.root()).entryList({ u"*.EDI"_s }).isEmpty());
    EXPECT_EQ(log.txtEdiname(), QString());
    EXPECT_EQ(prompter.gezeigt().back().text, LogModel::erinnerung(log.txtExportname()));

    log.setEDI(true);
    LogModel drittes(model, prompter, clock);
    EXPECT_TRUE(drittes.chkEDI());
}

// "&Drucken" stops at the exchange file of an empty band; the EDI file of one is
// written by the all-bands command, header only.
TEST_F(EdiLogTest, ABandWithoutContactsGivesAHeaderAndANote)
{
    const EdiExport::Ergebnis e = EdiExport::bandSchreiben(model, log.felder(), u"144MHz"_s);
    const QString name = u"144MHz-DL0XX.EDI"_s;
    EXPECT_EQ(e.name, name);
    EXPECT_EQ(e.qsos, 0);
    EXPECT_EQ(EdiExport::ohneQsos(u"144MHz"_s, name),
        u"Auf dem Band 144 MHz ist kein QSO gespeichert; die EDI-Datei \"144MHz-DL0XX.EDI\" enthält nur den Kopf."_s);
    const EdiDatei d = EdiLeser::lesenDatei(name);
    EXPECT_TRUE(d.qsos.isEmpty());
    EXPECT_TRUE(readTextLines(name).contains(u"[QSORecords;0]"_s));
    EXPECT_EQ(d.wert(u"CQSOs"_s), u"0;1"_s);
}

TEST_F(EdiLogTest, AFileThatCannotBeWrittenIsReportedAndStopsTheRun)
{
    kontakte(2);
    log.setDeckblatt(false);
    log.setLog(false);
    // A directory in the file's place: the rename cannot replace it.
    ASSERT_TRUE(QDir(dir.root()).mkdir(u"144MHz-122026-DL0XX.EDI"_s));
    prompter.vergiss();
    log.drucken(drucker);
    ASSERT_EQ(prompter.gezeigt().size(), 1) << meldungen().toStdString();
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
    EXPECT_TRUE(prompter.gezeigt()[0].text.startsWith(
        u"Die EDI-Datei 144MHz-122026-DL0XX.EDI kann nicht geschrieben werden"_s))
        << prompter.gezeigt()[0].text.toStdString();
    EXPECT_TRUE(prompter.gezeigt()[0].text.endsWith(u"Die weiteren Ausgaben entfallen."_s));
    EXPECT_FALSE(QFile::exists(u"144MHz-122026-DL0XX.EDI.tmp"_s));
}

TEST_F(EdiLogTest, AllBandsEachWithItsOwnStationData)
{
    kontakte(5);
    settings.schreiben(u"Log"_s, u"Wettbewerb"_s, u"Dezember-Contest"_s);
    settings.schreiben(u"Log144MHz"_s, u"Antenne"_s, u"Yagi 144"_s);
    settings.schreiben(u"Log432MHz"_s, u"Antenne"_s, u"Yagi 432"_s);
    prompter.vergiss();
    EdiExport::alleBänder(model, prompter);
    ASSERT_EQ(prompter.gezeigt().size(), 1) << meldungen().toStdString();
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Hinweis"_s);
    EXPECT_EQ(prompter.gezeigt()[0].text,
        u"EDI-Dateien geschrieben:\n144MHz-122026-DL0XX.EDI\n432MHz-DL0XX.EDI (ohne QSOs)"_s);
    const EdiDatei d144 = EdiLeser::lesenDatei(u"144MHz-122026-DL0XX.EDI"_s);
    const EdiDatei d432 = EdiLeser::lesenDatei(u"432MHz-DL0XX.EDI"_s);
    EXPECT_EQ(d144.wert(u"SAnte"_s), u"Yagi 144"_s);
    EXPECT_EQ(d432.wert(u"SAnte"_s), u"Yagi 432"_s);
    EXPECT_EQ(d432.wert(u"TName"_s), u"Dezember-Contest"_s);
    EXPECT_EQ(d144.wert(u"PBand"_s), u"144 MHz"_s);
    EXPECT_EQ(d432.wert(u"PBand"_s), u"432 MHz"_s);
    EXPECT_EQ(d144.qsos.size(), 5);
}

} // namespace
} // namespace tarvex
