#include "logout/ExpExport.h"
#include "common/AtomicTextFile.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "formats/AdifDatei.h"
#include "formats/ExpDatei.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QDir>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QsoRecord qso(const QString& datum, const QString& call, const QString& geg, const QString& erh,
    const QString& locator, const QString& punkte = u"512"_s, const QString& land = u"Deutschland"_s)
{
    const bool ungültig = punkte == kUngültigePunkte;
    return { 0, datum, u"12:34"_s, call, geg, erh, locator, punkte, u"87"_s, call.section(u'/', 0, 0),
        ungültig ? u" "_s : locator.left(4), ungültig ? u" "_s : land, u"Notiz"_s, true };
}

// What an ADIF record is made of.
QsoRecord adifQso(const QString& datum, const QString& zeit, const QString& call, const QString& geg,
    const QString& erh, const QString& locator)
{
    return { 0, datum, zeit, call, geg, erh, locator, {}, {}, {}, {}, {}, {}, false };
}

class ExpExportTest : public test::ContestFixture {
protected:
    ExpExportTest()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        model.setEigeneStation(u"DL1ABC/P"_s, u"JO62QM"_s);
        clock.zeit = QDateTime(QDate(2026, 12, 6), QTime(1, 5));
    }
    ~ExpExportTest() override { QLocale::setDefault(QLocale::c()); }

    void anhängen(const QList<QsoRecord>& qsos, const QString& band = u"144MHz"_s)
    {
        for (int i = 0; i < qsos.size(); ++i) {
            QsoRecord q = qsos[i];
            q.nummer = i + 1;
            model.db()->qsoSpeichern(band, q, q.rufzeichen);
        }
    }

    ExpExport exporter { model, clock };
};

// The names carry month before year; an invalid contact keeps its blanks, a
// comma in a country is quoted.
TEST_F(ExpExportTest, ExchangeAndAdifFilesMatchTheGoldenFiles)
{
    anhängen({ qso(u"06.05.02"_s, u"DK2XY"_s, u"599001"_s, u"579012"_s, u"JO62QM"_s),
        qso(u"07.05.02"_s, u"PA3ABC/P"_s, u"59002"_s, u"57013"_s, u"JO22AB"_s, u"-----"_s),
        qso(u"07.05.02"_s, u"ON4XY"_s, u"599003"_s, u"57014"_s, u"JO20CD"_s, u"333"_s, u"Belgien, Süd"_s) });
    const ExpExport::Ergebnis e = exporter.exportieren(true);
    EXPECT_EQ(e.expDatei, u"144MHz-052002-DL1ABC.EXP"_s);
    EXPECT_EQ(e.adifDatei, u"144MHz-052002-DL1ABC.adi"_s);
    EXPECT_EQ(test::dateiInhalt(e.expDatei), test::golden(u"exp_144.txt"_s));
    EXPECT_EQ(test::dateiInhalt(e.adifDatei), test::golden(u"adif_144.txt"_s));
    // No temporary file is left beside them.
    EXPECT_EQ(QDir::current().entryList({ u".*.tmp"_s }, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(ExpExportTest, ReplacesAnOlderFileAndLeavesItWhenNothingCanBeWritten)
{
    writeTextFile(u"144MHz-052002-DL1ABC.EXP"_s, { u"alt"_s });
    // The band is still empty: no name, no file touched.
    EXPECT_THROW(exporter.exportieren(true), UserError);
    EXPECT_EQ(test::dateiInhalt(u"144MHz-052002-DL1ABC.EXP"_s), QByteArray("alt\r\n"));

    anhängen({ qso(u"06.05.02"_s, u"DK2XY"_s, u"599001"_s, u"579012"_s, u"JO62QM"_s) });
    EXPECT_TRUE(exporter.exportieren(false).adifDatei.isEmpty());
    EXPECT_EQ(readTextLines(u"144MHz-052002-DL1ABC.EXP"_s).size(), 6);
    EXPECT_FALSE(QFile::exists(u"144MHz-052002-DL1ABC.adi"_s));

    // A folder in the way of the ADIF file: the error names it, no temporary file stays.
    QDir().mkdir(u"144MHz-052002-DL1ABC.adi"_s);
    EXPECT_THROW(exporter.exportieren(true), UserError);
    EXPECT_EQ(QDir::current().entryList({ u".*.tmp"_s }, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFileInfo(u"144MHz-052002-DL1ABC.adi"_s).isDir());
}

// Fails one system call of the hidden files while it lives.
struct Störung {
    explicit Störung(AtomicTextFile::Systemaufrufe aufrufe)
    {
        AtomicTextFile::setSystemaufrufe(std::move(aufrufe));
    }
    ~Störung() { AtomicTextFile::setSystemaufrufe({}); }
};

QStringList versteckte()
{
    return QDir::current().entryList({ u".*"_s }, QDir::Files | QDir::Hidden);
}

// The exchange file and the ADIF file of one run replace the old ones together
// or not at all, and a failure names the file the operator knows.
TEST_F(ExpExportTest, BothFilesAreReplacedTogetherOrNotAtAll)
{
    anhängen({ qso(u"06.05.02"_s, u"DK2XY"_s, u"599001"_s, u"579012"_s, u"JO62QM"_s) });
    const QString exp = u"144MHz-052002-DL1ABC.EXP"_s;
    const QString adi = u"144MHz-052002-DL1ABC.adi"_s;
    const auto zweiter = [](int fehler, auto echt) {
        return [n = 0, fehler, echt](auto... a) mutable {
            if (++n == 2) {
                errno = fehler;
                return decltype(echt(a...))(-1);
            }
            return echt(a...);
        };
    };
    const struct {
        const char* fall;
        AtomicTextFile::Systemaufrufe aufrufe;
        const char16_t* grund;
    } fälle[] = {
        { "the ADIF file's sync fails", { {}, zweiter(EIO, [](int fd) { return ::fsync(fd); }), {} },
            u"Ein-/Ausgabefehler" },
        { "the ADIF file's rename fails after the exchange file's",
            { {}, {}, zweiter(EACCES, [](const char* a, const char* b) { return std::rename(a, b); }) },
            u"keine Berechtigung" },
        { "the disk is full",
            { [](int, const void*, size_t) -> ssize_t {
                 errno = ENOSPC;
                 return -1;
             },
                {}, {} },
            u"der Datenträger ist voll" },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        writeTextFile(exp, { u"alte EXP"_s });
        writeTextFile(adi, { u"alte ADIF"_s });
        try {
            Störung störung(f.aufrufe);
            exporter.exportieren(true);
            ADD_FAILURE() << "exported";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf16(f.grund))) << e.meldung().toStdString();
            EXPECT_TRUE(e.meldung().contains(u"144MHz-052002-DL1ABC."_s)) << e.meldung().toStdString();
            EXPECT_FALSE(e.meldung().contains(u".tmp"_s) || e.meldung().contains(u"error"_s))
                << e.meldung().toStdString();
        }
        EXPECT_EQ(test::dateiInhalt(exp), QByteArray("alte EXP\r\n"));
        EXPECT_EQ(test::dateiInhalt(adi), QByteArray("alte ADIF\r\n"));
        EXPECT_EQ(versteckte(), QStringList());
    }
    // Without a failure both are new, and nothing hidden stays.
    exporter.exportieren(true);
    EXPECT_EQ(readTextLines(exp).size(), 6);
    EXPECT_NE(test::dateiInhalt(adi), QByteArray("alte ADIF\r\n"));
    EXPECT_EQ(versteckte(), QStringList());
}

// An export killed half way leaves its hidden files; the next export removes
// them, but never those of a program that still runs.
TEST_F(ExpExportTest, TheNextExportRemovesWhatAKilledOneLeft)
{
    anhängen({ qso(u"06.05.02"_s, u"DK2XY"_s, u"599001"_s, u"579012"_s, u"JO62QM"_s) });
    const QString läuft = QString::number(::getppid());
    const QStringList reste
        = { u".144MHz-052002-DL1ABC.EXP.999999999.tmp"_s, u".144MHz-112001-DL1ABC.EXP.999999998.tmp"_s,
              u".144MHz-052002-DL1ABC.adi.999999999.tmp"_s, u".144MHz-052002-DL1ABC.EXP.999999997.alt"_s };
    const QStringList bleiben = { u".144MHz-052002-DL1ABC.EXP."_s + läuft + u".tmp"_s,
        u".notiz.txt.999999999.tmp"_s, u".144MHz-052002-DL1ABC.EXP.tmp"_s };
    for (const QString& name : reste + bleiben)
        writeTextFile(name, { u"Rest"_s });
    exporter.exportieren(true);
    QStringList erwartet = bleiben;
    erwartet.sort();
    EXPECT_EQ(versteckte(), erwartet);
}

TEST(ExpDatei, NameRuleAndCentury)
{
    struct Fall {
        const char16_t* band;
        const char16_t* datum;
        const char16_t* kern;
        const char16_t* name;
        const char16_t* monat;
    };
    const Fall fälle[] = {
        { u"144MHz", u"06.05.02", u"DL1ABC", u"144MHz-052002-DL1ABC.EXP", u"200205" },
        { u"24192MHz", u"31.12.29", u"dk2xy", u"24192MHz-122029-DK2XY.EXP", u"202912" },
        { u"50MHz", u"01.01.30", u"OE5XYZ", u"50MHz-011930-OE5XYZ.EXP", u"193001" },
        { u"1296MHz", u"15.07.00", u"F6ABC", u"1296MHz-072000-F6ABC.EXP", u"200007" },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QString::fromUtf16(f.datum).toStdString());
        EXPECT_EQ(ExpDatei::dateiname(
                      QString::fromUtf16(f.band), QString::fromUtf16(f.datum), QString::fromUtf16(f.kern)),
            QString::fromUtf16(f.name));
        EXPECT_EQ(ExpDatei::monatszeile(QString::fromUtf16(f.datum)), QString::fromUtf16(f.monat));
    }
    EXPECT_THROW(ExpDatei::dateiname(u"144MHz"_s, u"6.5.2002"_s, u"DL1ABC"_s), UserError);
    EXPECT_THROW(ExpDatei::dateiname(u"144MHz"_s, QString(), u"DL1ABC"_s), UserError);
}

TEST(AdifDatei, ModeReportsAndBandField)
{
    struct Fall {
        const char16_t* band;
        const char16_t* geg;
        const char16_t* erh;
        const char16_t* mitte; // from mode to SRX
        const char16_t* ende; // FREQ and BAND
    };
    const Fall fälle[] = {
        { u"10368MHz", u"599001", u"57012",
            u"<mode:3>SSB<RST_RCVD:2>57<RST_SENT:2>59<GRIDSQUARE:6>JO62QM<STX:3>001<SRX:3>012",
            u"<FREQ:5>10368<BAND:3>3cm<eor>" },
        { u"24192MHz", u"5991234", u"599007",
            u"<mode:2>CW<RST_RCVD:3>599<RST_SENT:3>599<GRIDSQUARE:6>JO62QM<STX:3>234<SRX:3>007",
            u"<FREQ:5>24192<BAND:6>1.25cm<eor>" },
        // Too short for the fixed lengths: padded, so a reader never runs into the next field.
        { u"50MHz", u"5", u"",
            u"<mode:3>SSB<RST_RCVD:2>  <RST_SENT:2>5 <GRIDSQUARE:6>JO62QM<STX:3>5  <SRX:3>   ",
            u"<FREQ:2>50<BAND:2>6m<eor>" },
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(QString::fromUtf16(f.band).toStdString());
        const QsoRecord q = adifQso(u"31.12.29"_s, u"23:59"_s, u"OE/DL1ABC/P"_s, QString::fromUtf16(f.geg),
            QString::fromUtf16(f.erh), u"JO62QM"_s);
        EXPECT_EQ(AdifDatei::satz(q, QString::fromUtf16(f.band)),
            u"<call:11>OE/DL1ABC/P<qso_date:8:d>20291231<time_on:4>2359"_s + QString::fromUtf16(f.mitte)
                + QString::fromUtf16(f.ende));
    }
    EXPECT_EQ(AdifDatei::bandFeld(u"70MHz"_s), QString());
}

// The written file read back: every field comes back with the length it was written with,
// whatever the values hold.
TEST(AdifDatei, WriterThenReaderGivesTheFieldsBack)
{
    struct Fall {
        const char16_t* call;
        const char16_t* geg;
        const char16_t* erh;
        const char16_t* locator;
        const char16_t* band;
    };
    const Fall fälle[] = {
        { u"DL1ABC", u"59001", u"59012", u"JO62QM", u"144MHz" },
        { u"OE/DL1ABC/P", u"599123", u"599007", u"JN78AB", u"1296MHz" },
        { u"<eor>", u"5", u"", u"", u"50MHz" }, // a tag in a value is text of the value
        { u"G4ABC", u"59:001", u"59>1", u"IO91WM12", u"70MHz" }, // a band the field list does not know
    };
    QStringList zeilen = AdifDatei::kopf(QDateTime(QDate(2026, 12, 5), QTime(14, 5)));
    for (const Fall& f : fälle) {
        const QsoRecord q = adifQso(u"05.12.26"_s, u"14:05"_s, QString::fromUtf16(f.call),
            QString::fromUtf16(f.geg), QString::fromUtf16(f.erh), QString::fromUtf16(f.locator));
        zeilen.append(AdifDatei::satz(q, QString::fromUtf16(f.band)));
    }
    const QList<AdifDatei::Satz> sätze = AdifDatei::lesen(zeilen.join(u"\r\n"_s) + u"\r\n"_s);
    ASSERT_EQ(sätze.size(), std::size(fälle));
    for (qsizetype i = 0; i < sätze.size(); ++i) {
        const Fall& f = fälle[i];
        const AdifDatei::Satz& s = sätze[i];
        SCOPED_TRACE(QString::fromUtf16(f.call).toStdString());
        EXPECT_EQ(s.value(u"CALL"_s), QString::fromUtf16(f.call));
        EXPECT_EQ(s.value(u"QSO_DATE"_s), u"20261205"_s);
        EXPECT_EQ(s.value(u"TIME_ON"_s), u"1405"_s);
        EXPECT_EQ(s.value(u"GRIDSQUARE"_s), QString::fromUtf16(f.locator).left(6).leftJustified(6, u' '));
        EXPECT_EQ(s.value(u"FREQ"_s), QString::fromUtf16(f.band).chopped(3));
        EXPECT_EQ(s.contains(u"BAND"_s), !AdifDatei::bandFeld(QString::fromUtf16(f.band)).isEmpty());
    }
}

} // namespace
} // namespace tarvex
