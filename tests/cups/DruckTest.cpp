// Printing through a real printer queue: a private CUPS scheduler with PDF
// printers (cups-pdf). Every printed output of the program goes through it and
// is checked as the printer received it: jobs, pages, paper and words.
#include "CupsServer.h"
#include "app/DruckerwahlDialog.h"
#include "common/TextFile.h"
#include "logout/LogWindow.h"
#include "logout/QtPrinterSurface.h"
#include "logout/Zeilenausgabe.h"
#include "qsl/QslModel.h"
#include "support/LogFixture.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

test::CupsServer* cups = nullptr;

const QString standard = u"TarvexTest"_s;
const QString zweiter = u"TarvexZwei"_s;

QString ausführen(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Seite {
    double breiteMm = 0;
    double höheMm = 0;
};

// Paper of every page, from pdfinfo (points → mm).
QList<Seite> seiten(const QString& pdf)
{
    const QString info = ausführen(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"9999"_s, pdf});
    static const QRegularExpression größe(u"^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"_s,
                                           QRegularExpression::MultilineOption);
    QList<Seite> liste;
    for (auto it = größe.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        liste.append({m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72});
    }
    return liste;
}

// The words of one page (or all pages for 0), in reading order.
QStringList wörter(const QString& pdf, int seite = 0)
{
    QStringList argumente;
    if (seite > 0)
        argumente << u"-f"_s << QString::number(seite) << u"-l"_s << QString::number(seite);
    argumente << u"-layout"_s << pdf << u"-"_s;
    static const QRegularExpression leer(u"\\s+"_s);
    return ausführen(u"pdftotext"_s, argumente).split(leer, Qt::SkipEmptyParts);
}

QStringList wörterDerZeilen(const QStringList& zeilen)
{
    static const QRegularExpression leer(u"[\\s\\f]+"_s);
    return zeilen.join(u' ').split(leer, Qt::SkipEmptyParts);
}

bool a4(const Seite& s)
{
    return qAbs(s.breiteMm - 210) < 0.5 && qAbs(s.höheMm - 297) < 0.5;
}

class CupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!cups->fehler().isEmpty())
            GTEST_SKIP() << "kein eigener CUPS-Server: " << cups->fehler().toStdString();
        ASSERT_TRUE(cups->befehl(u"lpadmin"_s, {u"-d"_s, standard}));
        for (const QString& d : {standard, zweiter}) {
            cups->befehl(u"cupsenable"_s, {d});
            cups->befehl(u"cupsaccept"_s, {d});
        }
        QtPrinterSurface::setGewählterDrucker({});
        cups->ausgabenLöschen();
    }
    void TearDown() override { QtPrinterSurface::setGewählterDrucker({}); }
};

} // namespace

TEST_F(CupsTest, QtSeesThePrivateQueueAsDefault)
{
    EXPECT_EQ(QtPrinterSurface::zielDrucker(), standard);
    EXPECT_TRUE(QtPrinterSurface::druckerVorhanden());
}

class JournalTest : public test::ContestFixture {
protected:
    void SetUp() override
    {
        if (!cups->fehler().isEmpty())
            GTEST_SKIP() << "kein eigener CUPS-Server: " << cups->fehler().toStdString();
        cups->befehl(u"lpadmin"_s, {u"-d"_s, standard});
        cups->ausgabenLöschen();
    }
};

TEST_F(JournalTest, PrinterJournalIsOneJobHandedOverWhenTheProgramEnds)
{
    {
        QtPrinterSurface drucker(prompter, clock);
        model.setJournalDrucker(&drucker);
        model.Protokoll = 1;
        logge(u"DK2XY JO62QM 59013"_s);
        logge(u"G4XYZ IO91AA 59014"_s);
        logge(u"OE/DL1ABC JN78AA 59015"_s);
        QCoreApplication::processEvents();
        EXPECT_EQ(cups->offeneAufträge(), 0);
        EXPECT_TRUE(cups->ausgaben(standard).isEmpty()) << "the journal's document is still open";
        model.setJournalDrucker(nullptr);
    }
    ASSERT_TRUE(cups->warten(standard, 1));
    const QStringList jobs = cups->ausgaben(standard);
    ASSERT_EQ(jobs.size(), 1);
    const QList<Seite> papier = seiten(jobs[0]);
    ASSERT_EQ(papier.size(), 1);
    EXPECT_TRUE(a4(papier[0]));
    EXPECT_EQ(wörter(jobs[0]), wörterDerZeilen(readTextLines(u"TEST.txt"_s).mid(1)));
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

int main(int argc, char** argv)
{
    // Before Qt or anything else asks CUPS: the private scheduler and its queues.
    test::CupsServer server;
    if (server.fehler().isEmpty() && (!server.druckerAnlegen(standard, true) || !server.druckerAnlegen(zweiter, false)))
        qFatal("Die Testdrucker lassen sich nicht anlegen.");
    cups = &server;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
