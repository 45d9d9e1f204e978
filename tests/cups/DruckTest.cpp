// Printing through a real printer queue: a private CUPS scheduler with PDF
// printers (cups-pdf). One real print per kind of output (journal, cover sheet
// and log, labels), checked as the printer received it: jobs, pages, paper and
// words; and what happens when the queue cannot take a printout.
#include "CupsServer.h"
#include "app/DruckerwahlDialog.h"
#include "commands/Befehl.h"
#include "logout/LogWindow.h"
#include "print/CupsDruckerwahl.h"
#include "print/QtPrinterSurface.h"
#include "qsl/QslModel.h"
#include "support/LaufendesProgramm.h"
#include "support/LogFixture.h"
#include "support/PdfDatei.h"

#include <QDir>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

test::CupsServer* cups = nullptr;

const QString standard = u"TarvexTest"_s;
const QString zweiter = u"TarvexZwei"_s;

using namespace test::pdf;

bool papier(QSizeF seite, double breiteMm, double höheMm)
{
    return qAbs(seite.width() - breiteMm) < 0.5 && qAbs(seite.height() - höheMm) < 0.5;
}

QStringList sortiert(QStringList w)
{
    w.sort();
    return w;
}

// The printer's edge as Qt reports it for the test queue, for the page oracle.
double druckerRand()
{
    QPrinter p(QPrinterInfo::printerInfo(standard), QPrinter::HighResolution);
    return p.pageLayout().margins(QPageLayout::Millimeter).top();
}

// The same page as printed by the queue and as written into the PDF file the
// program offers instead. The driver rasterises glyph edges a little
// differently, a pixel here and there; a different character is a cluster. So
// the dark pixels of each without a dark neighbour (within one pixel) in the
// other are counted per block of 12 × 12 pixels (3 mm). Measured: at most 5 for
// the same page (the smallest label fonts), 13 for labels that differ in one
// character of the call and two of time and distance.
constexpr int blockgröße = 12;
constexpr int erlaubtProBlock = 8;

::testing::AssertionResult gleicheSeite(const QString& gedruckt, int seite, const QString& pdf, int pdfSeite)
{
    const QImage a = bild(gedruckt, seite);
    const QImage b = bild(pdf, pdfSeite);
    if (a.isNull() || b.isNull())
        return ::testing::AssertionFailure() << "pdftoppm scheitert";
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "Seitengröße " << a.width() << "x" << a.height() << " statt "
                                             << b.width() << "x" << b.height();
    const auto dunkel = [](const QImage& i, int x, int y) {
        return x >= 0 && y >= 0 && x < i.width() && y < i.height() && qGray(i.pixel(x, y)) < 128;
    };
    const int spalten = (a.width() + blockgröße - 1) / blockgröße;
    QList<int> fehlt(spalten * ((a.height() + blockgröße - 1) / blockgröße));
    int punkte = 0;
    for (const auto& [von, in] : { std::pair { &a, &b }, std::pair { &b, &a } })
        for (int y = 0; y < von->height(); ++y)
            for (int x = 0; x < von->width(); ++x) {
                if (!dunkel(*von, x, y))
                    continue;
                ++punkte;
                bool da = false;
                for (int dy = -1; dy <= 1 && !da; ++dy)
                    for (int dx = -1; dx <= 1 && !da; ++dx)
                        da = dunkel(*in, x + dx, y + dy);
                if (!da)
                    ++fehlt[(y / blockgröße) * spalten + x / blockgröße];
            }
    const int höchstens = fehlt.isEmpty() ? 0 : *std::max_element(fehlt.cbegin(), fehlt.cend());
    if (punkte == 0 || höchstens > erlaubtProBlock) {
        const qsizetype i = fehlt.indexOf(höchstens);
        return ::testing::AssertionFailure()
            << höchstens << " abweichende Punkte im Block bei " << (i % spalten) * blockgröße * 25.4 / 100
            << " mm, " << (i / spalten) * blockgröße * 25.4 / 100 << " mm (von " << punkte << " dunklen)";
    }
    return ::testing::AssertionSuccess() << "höchstens " << höchstens << " pro Block";
}

// The printer choice the tests' own surfaces share, as the program's do.
CupsDruckerwahl wahl;

// Both queues enabled and accepting, the first one the default, nothing chosen
// in the program and no output left from an earlier test.
template <class Basis> class MitCups : public Basis {
protected:
    void SetUp() override
    {
        if (!cups->fehler().isEmpty())
            GTEST_SKIP() << "kein eigener CUPS-Server: " << cups->fehler().toStdString();
        ASSERT_TRUE(cups->befehl(u"lpadmin"_s, { u"-d"_s, standard }));
        for (const QString& d : { standard, zweiter }) {
            cups->befehl(u"cupsenable"_s, { d });
            cups->befehl(u"cupsaccept"_s, { d });
        }
        wahl.setGewählt({});
        cups->ausgabenLöschen();
    }
    void TearDown() override { wahl.setGewählt({}); }
};

struct OhneContest : ::testing::Test { };
using CupsTest = MitCups<OhneContest>;

// The contest of LogFixture with its cover sheet and 51 contacts.
class LogDruckTest : public MitCups<test::LogFixture> {
protected:
    void SetUp() override
    {
        MitCups::SetUp();
        deckblattFüllen();
        kontakte(51);
    }
};

} // namespace

// A queue that cannot take the printout: the operator is told, naming the
// printer, and may have the same output as a PDF file instead.
TEST_F(CupsTest, AFailingQueueIsNamedAndTheOutputOfferedAsPdf)
{
    const struct {
        const char* fall;
        const char16_t* befehl; // before the document ends; "lpadmin" removes the queue
        Meldung::Antwort antwort;
        const char16_t* grund; // after the printer's name
        bool pdf;
        bool wartet; // the job waits in the queue
    } fälle[] = {
        { "angehalten, Warteschlange", u"cupsdisable", Meldung::Antwort::Nein, u"ist angehalten.", false,
            true },
        { "weist ab, verworfen", u"cupsreject", Meldung::Antwort::Nein, u"nimmt keinen Ausdruck an.", false,
            false },
        { "entfernt, PDF", u"lpadmin", Meldung::Antwort::Ja, u"ist nicht mehr eingerichtet.", true, false },
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.fall);
        test::WorkDir dir;
        test::ScriptedPrompter prompter;
        test::FixedClock uhr;
        cups->ausgabenLöschen();
        wahl.setGewählt(zweiter);
        const QString befehl = QString::fromUtf16(fall.befehl);
        {
            QtPrinterSurface drucker(prompter, uhr, wahl);
            drucker.drucke({ PrintItem::text(u"Nichts geht verloren"_s) });
            // While Tarvex runs and the document is open.
            ASSERT_TRUE(cups->befehl(
                befehl, befehl == u"lpadmin"_s ? QStringList { u"-x"_s, zweiter } : QStringList { zweiter }));
            prompter.antworte(fall.antwort);
            drucker.dokumentEnde();
        }
        ASSERT_EQ(prompter.gezeigt().size(), fall.pdf ? 2 : 1);
        const QString text = prompter.gezeigt()[0].text;
        EXPECT_TRUE(
            text.startsWith(u"Der Drucker \u201ETarvexZwei\u201C "_s + QString::fromUtf16(fall.grund)))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith(u"als PDF-Datei gespeichert werden?"_s)) << text.toStdString();
        EXPECT_EQ(prompter.gezeigt()[0].knöpfe, Meldung::Knöpfe::JaNein);
        const QStringList pdf = dateien();
        ASSERT_EQ(pdf.size(), fall.pdf ? 1 : 0);
        if (fall.pdf) {
            EXPECT_EQ(wörter(pdf[0]), QStringList({ u"Nichts"_s, u"geht"_s, u"verloren"_s }));
            EXPECT_EQ(prompter.gezeigt()[1].text,
                u"Der Ausdruck wurde als PDF-Datei gespeichert:\n"_s
                    + QDir::toNativeSeparators(dir.pfad(pdf[0])));
        }
        EXPECT_EQ(cups->offeneAufträge(), fall.wartet ? 1 : 0);
        if (befehl == u"lpadmin"_s) {
            ASSERT_TRUE(cups->druckerAnlegen(zweiter, false));
        }
        cups->befehl(u"cupsaccept"_s, { zweiter });
        cups->befehl(u"cupsenable"_s, { zweiter });
        // Released, a waiting job is printed; nothing else arrives.
        ASSERT_TRUE(cups->warten(zweiter, fall.wartet ? 1 : 0));
        EXPECT_EQ(cups->ausgaben(zweiter).size(), fall.wartet ? 1 : 0);
    }
}

// The running program: the printer chosen with "Drucker wählen …" is stored,
// and the printer journal reaches it as one job when the program ends. What
// the journal prints is the logging model's (SaveTest); that the queue prints
// a page as drawn is shown by the log and label pages below.
TEST_F(CupsTest, ProgramPrintsItsJournalOnTheChosenPrinterWhenItEnds)
{
    QStringList angeboten;
    test::LaufendesProgramm programm([](Settings& s) { s.setProtokoll(true); },
        [&](QWidget* w) {
            auto* wahl = qobject_cast<DruckerwahlDialog*>(w);
            if (!wahl)
                return false;
            auto* liste = wahl->findChild<QListWidget*>(u"lstDrucker"_s);
            for (int i = 0; i < liste->count(); ++i)
                angeboten.append(liste->item(i)->text());
            liste->setCurrentItem(liste->findItems(zweiter, Qt::MatchExactly).value(0));
            wahl->accept();
            return true;
        });
    ASSERT_TRUE(programm.rahmen().contestWindow()->isVisible());
    EXPECT_EQ(programm.app->druckerwahl().ziel(), standard);
    programm.rahmen().befehle()[Befehl::DruckerWählen].trigger();
    EXPECT_EQ(
        angeboten, QStringList({ u"Standarddrucker (zurzeit \u201ETarvexTest\u201C)"_s, standard, zweiter }));
    EXPECT_EQ(programm.app->druckerwahl().ziel(), zweiter);

    ContestModel& model = programm.app->contest();
    for (const QString& zeile : { u"DK2XY JO62QM 59013"_s, QString() }) {
        for (const QChar c : zeile)
            model.entry().tippe(c);
        model.entry().enter();
    }
    ASSERT_EQ(model.db()->qsos(u"144MHz"_s).size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(cups->offeneAufträge(), 0);
    EXPECT_TRUE(cups->ausgaben(zweiter).isEmpty()) << "the journal's document is still open";
    programm.app.reset();

    EXPECT_EQ(Settings(programm.dir.pfad(u"CONTEST.ini"_s)).lesen(u"Drucker"_s, u"Name"_s), zweiter);
    ASSERT_TRUE(cups->warten(zweiter, 1));
    EXPECT_TRUE(cups->ausgaben(standard).isEmpty());
    const QStringList jobs = cups->ausgaben(zweiter);
    ASSERT_EQ(jobs.size(), 1);
    const QList<QSizeF> blätter = seiten(jobs[0]);
    ASSERT_EQ(blätter.size(), 1);
    EXPECT_TRUE(papier(blätter[0], 210, 297));
}

// Cover sheet and every log page are jobs of their own and look exactly like
// the pages of the one PDF file the log window offers instead when the
// printer is stopped; it asks once for the whole log.
TEST_F(LogDruckTest, CoverSheetAndLogPagesAreJobsOfTheirOwnAsTheLogWindowsPdfShowsThem)
{
    RecordingPrinterSurface aufnahme(druckerRand());
    log.DeckblattDrucken(aufnahme);
    log.LogDrucken(aufnahme);
    ASSERT_EQ(aufnahme.abgeschlosseneDokumente(), 3);

    QtPrinterSurface ausgabe(prompter, clock, wahl);
    log.DeckblattDrucken(ausgabe);
    log.LogDrucken(ausgabe);
    ASSERT_TRUE(cups->warten(standard, 3));
    const QStringList jobs = cups->ausgaben(standard);
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    ASSERT_TRUE(cups->befehl(u"cupsdisable"_s, { standard }));
    LogWindow fenster(log, prompter, ausgabe, wahl);
    prompter.antworte(Meldung::Antwort::Ja);
    fenster.drucken();
    ASSERT_GE(prompter.gezeigt().size(), 2);
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Achtung"_s);
    const QStringList pdf = dateien(u"Ausdruck_*.pdf"_s);
    ASSERT_EQ(pdf.size(), 1);
    EXPECT_EQ(prompter.gezeigt()[1].text,
        u"Der Ausdruck wird als PDF-Datei gespeichert:\n"_s + QDir::toNativeSeparators(dir.pfad(pdf[0])));
    for (const Meldung& m : prompter.gezeigt().mid(2))
        EXPECT_FALSE(m.text.contains(u"Drucker"_s)) << m.text.toStdString();
    EXPECT_EQ(cups->offeneAufträge(), 0);
    EXPECT_EQ(cups->ausgaben(standard).size(), 3);

    int pdfSeite = 0;
    for (int job = 0; job < 3; ++job) {
        SCOPED_TRACE(job);
        const QList<QSizeF> blätter = seiten(jobs[job]);
        ASSERT_EQ(blätter.size(), aufnahme.seiten(job + 1));
        for (int s = 1; s <= blätter.size(); ++s) {
            ++pdfSeite;
            EXPECT_TRUE(papier(blätter[s - 1], 210, 297));
            // The PDF file keeps its text: the words of the page; the queue's
            // page must look exactly like it.
            EXPECT_EQ(wörter(pdf[0], pdfSeite), wörterDerZeilen(aufnahme.texte(job + 1, s)));
            EXPECT_TRUE(gleicheSeite(jobs[job], s, pdf[0], pdfSeite));
        }
    }
    EXPECT_EQ(seiten(pdf[0]).size(), pdfSeite);
}

// Labels on continuous stock, the paper the log pages do not prove: the 3 of
// the first 20 contacts beyond 600 km, one per 35 mm page.
TEST_F(LogDruckTest, ContinuousStockReachesTheQueueAsOneJobOnItsPaper)
{
    constexpr int seitenzahl = 3;
    for (int nummer = 1; nummer <= 20; ++nummer)
        model.db()->qslUmschalten(u"144MHz"_s, nummer);
    QtPrinterSurface warteschlange(prompter, clock, wahl);
    RecordingPrinterSurface aufnahme(druckerRand());
    QslModel qsl(model, settings, warteschlange, prompter);
    QslModel zumVergleich(model, settings, aufnahme, prompter);
    for (QslModel* m : { &qsl, &zumVergleich }) {
        m->etikettenartWählen(0);
        m->txtPunkte = u"600"_s;
    }
    ASSERT_TRUE(qsl.drucken());
    ASSERT_TRUE(zumVergleich.drucken());
    ASSERT_TRUE(cups->warten(standard, 1));
    const QStringList jobs = cups->ausgaben(standard);
    ASSERT_EQ(jobs.size(), 1);
    const QList<QSizeF> blätter = seiten(jobs[0]);
    ASSERT_EQ(blätter.size(), seitenzahl);
    ASSERT_EQ(aufnahme.seiten(1), seitenzahl);

    // The same labels while the queue refuses them, as the PDF file instead.
    ASSERT_TRUE(cups->befehl(u"cupsreject"_s, { standard }));
    ASSERT_TRUE(qsl.drucken());
    ASSERT_TRUE(cups->befehl(u"cupsaccept"_s, { standard }));
    const QStringList ersatz = dateien(u"Ausdruck_*.pdf"_s);
    ASSERT_EQ(ersatz.size(), 1);
    // The comparison tells labels apart that differ in a few characters.
    EXPECT_FALSE(gleicheSeite(jobs[0], 1, ersatz[0], 2));
    for (int s = 1; s <= seitenzahl; ++s) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(papier(blätter[s - 1], 210, 35));
        EXPECT_EQ(sortiert(wörter(ersatz[0], s)), sortiert(wörterDerZeilen(aufnahme.texte(1, s))));
        EXPECT_TRUE(gleicheSeite(jobs[0], s, ersatz[0], s));
    }
}

int main(int argc, char** argv)
{
    // Before Qt or anything else asks CUPS: the private scheduler and its queues.
    test::CupsServer server;
    if (server.fehler().isEmpty()
        && (!server.druckerAnlegen(standard, true) || !server.druckerAnlegen(zweiter, false)))
        qFatal("Die Testdrucker lassen sich nicht anlegen.");
    cups = &server;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
