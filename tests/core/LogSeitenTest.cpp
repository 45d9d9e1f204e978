#include "logout/LogSeiten.h"
#include "store/QsoRecord.h"
#include "support/LogFixture.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class LogSeitenTest : public test::LogFixture {
protected:
    static QList<QsoRecord> inSpeicher(int anzahl)
    {
        QList<QsoRecord> qsos;
        for (int i = 0; i < anzahl; ++i)
            qsos.append(kontakt(i));
        return qsos;
    }

    static LogSeiten::Kopf kopf(int anzahl)
    {
        return { u"Test"_s, u"1"_s, u"DL0XX"_s, u"JO31AA"_s,
            QString::number(anzahl + 1).rightJustified(3, u'0'), u"999"_s };
    }
};

TEST(LogSeiten, ReportsAreReformatted)
{
    const struct {
        QString gespeichert;
        int index;
        QString geg;
        QString erh;
    } cases[] = {
        // The golden log pages hold the usual reports.
        { u"S59001"_s, 999, u"S59 001"_s, u"S59001"_s },
        // from the 1001st row on the sent report stays as stored
        { u"59001"_s, 1000, u"59001"_s, u"59 001"_s },
        // too short for a serial number: as stored
        { u"59"_s, 0, u"59"_s, u"59"_s },
        { QString(), 0, QString(), QString() },
        { u"59a001"_s, 0, u"59a  001"_s, u"59a001"_s },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LogSeiten::rstGeg(c.gespeichert, c.index), c.geg) << c.gespeichert.toStdString();
        EXPECT_EQ(LogSeiten::rstErh(c.gespeichert), c.erh) << c.gespeichert.toStdString();
    }
}

TEST(LogSeiten, PageCountFromTheNextSerialNumber)
{
    const std::pair<int, int> cases[]
        = { { 1, 0 }, { 2, 1 }, { 51, 1 }, { 52, 2 }, { 501, 10 }, { 502, 11 }, { 1002, 21 } };
    for (const auto& [n, seiten] : cases)
        EXPECT_EQ(LogSeiten::seitenzahl(n), seiten) << n;
}

TEST_F(LogSeitenTest, PageBreaksAndNumbers)
{
    const struct {
        int zeilen;
        int seiten;
        QString letzterKopf;
    } cases[] = {
        { 1, 1, u"Seite: 01/01"_s },
        { 50, 1, u"Seite: 01/01"_s },
        { 51, 2, u"Seite: 02/02"_s },
        { 501, 11, u"Seite: 11/11"_s },
    };
    for (const auto& c : cases) {
        const QStringList text = LogSeiten::text(LogSeiten::zeilen(inSpeicher(c.zeilen), kopf(c.zeilen)));
        const QString alles = text.join(u"\r\n"_s);
        EXPECT_EQ(alles.count(u'\f'), c.seiten - 1) << c.zeilen;
        EXPECT_EQ(alles.count(u"Zwischensumme"_s), c.seiten - 1) << c.zeilen;
        EXPECT_EQ(alles.count(u"Tarvex     Call: DL0XX"_s), c.seiten) << c.zeilen;
        EXPECT_TRUE(alles.contains(u"Locator: JO31AA           "_s + c.letzterKopf)) << c.zeilen;
        // Each form feed follows a subtotal line and precedes the next page's first blank line.
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i].contains(u'\f')) {
                EXPECT_EQ(text[i], u"\f"_s);
                EXPECT_TRUE(text[i - 1].contains(u"Zwischensumme"_s));
            }
    }
}

TEST_F(LogSeitenTest, SentReportsStayAsStoredFromRow1001)
{
    const QStringList text = LogSeiten::text(LogSeiten::zeilen(inSpeicher(1001), kopf(1001)));
    // Row 1000 is the last one reformatted (59S1000: report 59S1, number 000).
    EXPECT_TRUE(text.contains(u"  05.12.26 30:39  DK2XY         59S1 000   59 993  JO62QM    964  "_s));
    // Row 1001 keeps 591001: one blank in front gives seven characters, and the received report follows
    // directly.
    EXPECT_TRUE(text.contains(u"  05.12.26 30:40  DL1ABC         591001   599000  JO31AB      1  "_s))
        << text.filter(u"30:40"_s).join(u'|').toStdString();
}

// A report shorter than its column is preceded by its blanks only, not filled up to the width.
TEST(LogSeiten, ShortReportsAreNotFilledUpToTheColumn)
{
    QsoRecord q { 1, u"05.12.26"_s, u"14:00"_s, u"DL1ABC"_s, u"59"_s, u"5"_s, u"JO31AB"_s, u"12"_s, u"0"_s,
        u"DL1ABC"_s, u"JO31"_s, u"Deutschland"_s, u"x"_s, false };
    EXPECT_EQ(LogSeiten::zeile(q, 0), u"  05.12.26 14:00  DL1ABC         59    5  JO31AB     12 x"_s);
    q.rstGeg = u"599123456"_s;
    q.rstErh = u"5991234567"_s;
    EXPECT_EQ(
        LogSeiten::zeile(q, 1000), u"  05.12.26 14:00  DL1ABC        99123456991234567  JO31AB     12 x"_s);
}

// Each page a job of its own, every text in the column and on the line of the file.
TEST_F(LogSeitenTest, PrintedPagesMatchTheGoldenProtocol)
{
    kontakte(51);
    deckblattFüllen();
    LogSeiten::drucken(drucker, log.logSeiten());
    EXPECT_EQ(drucker.protokoll(), test::goldeneZeilen(u"log_seiten_druck.txt"_s));
}

TEST_F(LogSeitenTest, EmptyBandPrintsOnlyTheTotal)
{
    model.bandWechseln(u"432MHz"_s);
    LogSeiten::drucken(drucker, log.logSeiten());
    EXPECT_EQ(drucker.protokoll(),
        QStringList({ u"Dokument 1"_s, u"Text 1.1 (124.46, 4.80) Courier new 12: \"Endsumme       \""_s,
            u"Ende 1"_s }));
}

} // namespace
} // namespace tarvex
