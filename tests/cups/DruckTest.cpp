// Printing through a real printer queue: a private CUPS scheduler with PDF
// printers (cups-pdf). Every printed output of the program goes through it and
// is checked as the printer received it: jobs, pages, paper and words.
#include "CupsServer.h"
#include "app/Application.h"
#include "app/Befehl.h"
#include "app/Befehle.h"
#include "app/DruckerwahlDialog.h"
#include "app/MainWindow.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "store/ContestDatabase.h"
#include "common/TextFile.h"
#include "store/Settings.h"
#include "logout/LogWindow.h"
#include "logout/QtPrinterSurface.h"
#include "logout/Zeilenausgabe.h"
#include "qsl/QslModel.h"
#include "support/LogFixture.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QHash>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

test::CupsServer* cups = nullptr;

const QString standard = u"TarvexTest"_s;
const QString zweiter = u"TarvexZwei"_s;

std::optional<QString> ausführen(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Seite {
    double breiteMm = 0;
    double höheMm = 0;
};

// Paper of every page, from pdfinfo (points → mm).
QList<Seite> seiten(const QString& pdf)
{
    const QString info = ausführen(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"9999"_s, pdf}).value_or(QString());
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
    const QString text = ausführen(u"pdftotext"_s, argumente).value_or(QString());
    return text.split(leer, Qt::SkipEmptyParts);
}

QStringList wörterDerZeilen(const QStringList& zeilen)
{
    static const QRegularExpression leer(u"[\\s\\f]+"_s);
    return zeilen.join(u' ').split(leer, Qt::SkipEmptyParts);
}

QStringList wörterDerSeite(const RecordingPrinterSurface& aufnahme, int dokument, int seite)
{
    return wörterDerZeilen(aufnahme.texte(dokument, seite));
}

// The printer's edge as Qt reports it for the test queue, for the page oracle.
double druckerRand()
{
    QPrinter p(QPrinterInfo::printerInfo(standard), QPrinter::HighResolution);
    return p.pageLayout().margins(QPageLayout::Millimeter).top();
}

QStringList sortiert(QStringList w)
{
    w.sort();
    return w;
}

// One page as a black-and-white picture at 100 dpi.
QImage bild(const QString& pdf, int seite)
{
    const QString stamm = QDir::temp().filePath(u"tarvex-seite-%1"_s.arg(QCoreApplication::applicationPid()));
    if (!ausführen(u"pdftoppm"_s, {u"-r"_s, u"100"_s, u"-f"_s, QString::number(seite), u"-l"_s,
                                  QString::number(seite), u"-singlefile"_s, u"-gray"_s, u"-png"_s, pdf, stamm}))
        return {};
    QImage b(stamm + u".png"_s);
    QFile::remove(stamm + u".png"_s);
    return b;
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
    for (const auto& [von, in] : {std::pair{&a, &b}, std::pair{&b, &a}})
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
        return ::testing::AssertionFailure() << höchstens << " abweichende Punkte im Block bei "
                                             << (i % spalten) * blockgröße * 25.4 / 100 << " mm, "
                                             << (i / spalten) * blockgröße * 25.4 / 100 << " mm (von " << punkte
                                             << " dunklen)";
    }
    return ::testing::AssertionSuccess() << "höchstens " << höchstens << " pro Block";
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

TEST_F(CupsTest, TheChosenPrinterGetsThePrintoutsInsteadOfTheDefaultOne)
{
    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    test::FixedClock uhr;
    Settings settings(dir.pfad(u"CONTEST.ini"_s));
    settings.schreiben(DruckerwahlDialog::kAbschnitt, DruckerwahlDialog::kSchlüssel, zweiter);
    DruckerwahlDialog::einstellungLaden(settings);
    EXPECT_EQ(QtPrinterSurface::zielDrucker(), zweiter);
    {
        QtPrinterSurface drucker(prompter, uhr);
        drucker.drucke({PrintItem::text(u"An den gewählten Drucker"_s)});
    }
    ASSERT_TRUE(cups->warten(zweiter, 1));
    EXPECT_EQ(cups->ausgaben(zweiter).size(), 1);
    EXPECT_TRUE(cups->ausgaben(standard).isEmpty());

    // The dialog offers the default printer and every queue, the choice preselected.
    DruckerwahlDialog dialog;
    dialog.setAuswahl(zweiter);
    EXPECT_EQ(dialog.auswahl(), zweiter);
    auto* liste = dialog.findChild<QListWidget*>(u"lstDrucker"_s);
    ASSERT_NE(liste, nullptr);
    QStringList einträge;
    for (int i = 0; i < liste->count(); ++i)
        einträge.append(liste->item(i)->text());
    EXPECT_EQ(einträge, QStringList({u"Standarddrucker (zurzeit \u201ETarvexTest\u201C)"_s, standard, zweiter}));
    dialog.setAuswahl({});
    EXPECT_EQ(dialog.auswahl(), QString());
}

// A queue that cannot take the printout: the operator is told, naming the
// printer, and may have the same output as a PDF file instead.
TEST_F(CupsTest, AFailingQueueIsNamedAndTheOutputOfferedAsPdf)
{
    const QString pdfFrage = u"\n\nSoll der Ausdruck stattdessen als PDF-Datei gespeichert werden?"_s;
    const struct {
        const char* fall;
        const char16_t* befehl; // before the document ends; "lpadmin" removes the queue
        Meldung::Antwort antwort;
        QString titel;
        QString text;
        bool pdf;
        bool wartet; // the job waits in the queue
    } fälle[] = {
        {"angehalten, PDF", u"cupsdisable", Meldung::Antwort::Ja, u"Achtung"_s,
         u"Der Drucker \u201ETarvexZwei\u201C ist angehalten. Der Ausdruck bleibt in seiner Warteschlange, bis der "
         "Drucker wieder freigegeben wird."_s,
         true, false},
        {"angehalten, Warteschlange", u"cupsdisable", Meldung::Antwort::Nein, u"Achtung"_s,
         u"Der Drucker \u201ETarvexZwei\u201C ist angehalten. Der Ausdruck bleibt in seiner Warteschlange, bis der "
         "Drucker wieder freigegeben wird."_s,
         false, true},
        {"weist ab, verworfen", u"cupsreject", Meldung::Antwort::Nein, u"Fehler"_s,
         u"Der Drucker \u201ETarvexZwei\u201C nimmt keinen Ausdruck an."_s, false, false},
        {"entfernt, PDF", u"lpadmin", Meldung::Antwort::Ja, u"Fehler"_s,
         u"Der Drucker \u201ETarvexZwei\u201C ist nicht mehr eingerichtet."_s, true, false},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.fall);
        test::WorkDir dir;
        test::ScriptedPrompter prompter;
        test::FixedClock uhr;
        cups->ausgabenLöschen();
        QtPrinterSurface::setGewählterDrucker(zweiter);
        {
            QtPrinterSurface drucker(prompter, uhr);
            drucker.drucke({PrintItem::text(u"Nichts geht verloren"_s)});
            // While Tarvex runs and the document is open.
            const QString befehl = QString::fromUtf16(fall.befehl);
            ASSERT_TRUE(befehl == u"lpadmin"_s ? cups->befehl(befehl, {u"-x"_s, zweiter})
                                              : cups->befehl(befehl, {zweiter}));
            prompter.antworte(fall.antwort);
            drucker.dokumentEnde();
        }
        ASSERT_GE(prompter.gezeigt().size(), 1);
        EXPECT_EQ(prompter.gezeigt()[0].titel, fall.titel);
        EXPECT_EQ(prompter.gezeigt()[0].text, fall.text + pdfFrage);
        EXPECT_EQ(prompter.gezeigt()[0].knöpfe, Meldung::Knöpfe::JaNein);
        const QStringList pdf = QDir::current().entryList({u"*.pdf"_s});
        if (fall.pdf) {
            ASSERT_EQ(pdf.size(), 1);
            EXPECT_EQ(wörter(pdf[0]), QStringList({u"Nichts"_s, u"geht"_s, u"verloren"_s}));
            ASSERT_EQ(prompter.gezeigt().size(), 2);
            EXPECT_EQ(prompter.gezeigt()[1].text, u"Der Ausdruck wurde als PDF-Datei gespeichert:\n"_s
                                                       + QDir::toNativeSeparators(dir.pfad(pdf[0])));
        } else {
            EXPECT_TRUE(pdf.isEmpty());
            EXPECT_EQ(prompter.gezeigt().size(), 1);
        }
        EXPECT_EQ(cups->offeneAufträge(), fall.wartet ? 1 : 0);
        if (QString::fromUtf16(fall.befehl) == u"lpadmin"_s) {
            ASSERT_TRUE(cups->druckerAnlegen(zweiter, false));
        }
        cups->befehl(u"cupsaccept"_s, {zweiter});
        cups->befehl(u"cupsenable"_s, {zweiter});
        // Released, a waiting job is printed; nothing else arrives.
        ASSERT_TRUE(cups->warten(zweiter, fall.wartet ? 1 : 0));
        EXPECT_EQ(cups->ausgaben(zweiter).size(), fall.wartet ? 1 : 0);
    }
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
        model.setProtokoll(1);
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
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // The queue's driver keeps no usable text, so the words are compared as
    // pictures: the text journal's lines, printed as the journal prints them,
    // while the queue refuses them and the operator takes the PDF file.
    const QStringList journal = readTextLines(u"TEST.txt"_s);
    ASSERT_EQ(journal.size(), 3);
    ASSERT_TRUE(cups->befehl(u"cupsreject"_s, {standard}));
    {
        QtPrinterSurface drucker(prompter, clock);
        drucker.setSchriftart(u"Courier New"_s);
        drucker.setSchriftgröße(10);
        for (const QString& zeile : journal)
            drucker.drucke({PrintItem::text(zeile)});
    }
    ASSERT_TRUE(cups->befehl(u"cupsaccept"_s, {standard}));
    const QStringList ersatz = QDir::current().entryList({u"Ausdruck_*.pdf"_s});
    ASSERT_EQ(ersatz.size(), 1);
    EXPECT_EQ(wörter(ersatz[0]), wörterDerZeilen(journal));
    EXPECT_TRUE(gleicheSeite(jobs[0], 1, ersatz[0], 1));
}

class LogDruckTest : public test::LogFixture {
protected:
    void SetUp() override
    {
        if (!cups->fehler().isEmpty())
            GTEST_SKIP() << "kein eigener CUPS-Server: " << cups->fehler().toStdString();
        cups->befehl(u"lpadmin"_s, {u"-d"_s, standard});
        cups->befehl(u"cupsaccept"_s, {standard});
        cups->ausgabenLöschen();
        deckblattFüllen();
        kontakte(51);
    }
    void TearDown() override { cups->befehl(u"cupsaccept"_s, {standard}); }
};

TEST_F(LogDruckTest, CoverSheetAndEveryLogPageAreJobsOfTheirOwnAsTheFallbackPdfShowsThem)
{
    RecordingPrinterSurface aufnahme(druckerRand());
    log.DeckblattDrucken(aufnahme);
    log.LogDrucken(aufnahme);
    ASSERT_EQ(aufnahme.abgeschlosseneDokumente(), 3);

    QtPrinterSurface ausgabe(prompter, clock);
    log.DeckblattDrucken(ausgabe);
    log.LogDrucken(ausgabe);
    ASSERT_TRUE(cups->warten(standard, 3));
    const QStringList jobs = cups->ausgaben(standard);
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // The same printout while the queue refuses it: each job offered as a PDF file.
    ASSERT_TRUE(cups->befehl(u"cupsreject"_s, {standard}));
    log.DeckblattDrucken(ausgabe);
    log.LogDrucken(ausgabe);
    const QStringList ersatz = QDir::current().entryList({u"Ausdruck_*.pdf"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(ersatz.size(), 3);
    ASSERT_EQ(prompter.gezeigt().size(), 6);
    EXPECT_EQ(prompter.gezeigt()[0].text, u"Der Drucker \u201ETarvexTest\u201C nimmt keinen Ausdruck an.\n\n"
                                           "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?"_s);
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
    EXPECT_EQ(prompter.gezeigt()[1].text, u"Der Ausdruck wurde als PDF-Datei gespeichert:\n"_s
                                               + QDir::toNativeSeparators(QDir::current().absoluteFilePath(ersatz[0])));
    EXPECT_EQ(cups->ausgaben(standard).size(), 3);

    for (int job = 0; job < 3; ++job) {
        SCOPED_TRACE(job);
        const QList<Seite> papier = seiten(jobs[job]);
        ASSERT_EQ(papier.size(), aufnahme.seiten(job + 1));
        ASSERT_EQ(seiten(ersatz[job]).size(), papier.size());
        for (int s = 1; s <= papier.size(); ++s) {
            EXPECT_TRUE(a4(papier[s - 1]));
            // The PDF file keeps its text: the words of the page; the queue's
            // page must look exactly like it.
            EXPECT_EQ(wörter(ersatz[job], s), wörterDerSeite(aufnahme, job + 1, s));
            EXPECT_TRUE(gleicheSeite(jobs[job], s, ersatz[job], s));
        }
    }
}

// The log is many jobs: a stopped printer is asked about once, and the PDF
// instead holds the whole log, on the printer's paper and edge.
TEST_F(LogDruckTest, LogWindowAsksOnceForTheWholeLogOnAStoppedPrinter)
{
    RecordingPrinterSurface aufnahme(druckerRand());
    log.DeckblattDrucken(aufnahme);
    log.LogDrucken(aufnahme);
    const int seitenzahl = aufnahme.seiten(1) + aufnahme.seiten(2) + aufnahme.seiten(3);

    ASSERT_TRUE(cups->befehl(u"cupsdisable"_s, {standard}));
    QtPrinterSurface ausgabe(prompter, clock);
    LogWindow fenster(log, prompter, ausgabe, clock);
    prompter.antworte(Meldung::Antwort::Ja);
    fenster.drucken();
    cups->befehl(u"cupsenable"_s, {standard});

    ASSERT_GE(prompter.gezeigt().size(), 2);
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Achtung"_s);
    EXPECT_TRUE(prompter.gezeigt()[0].text.startsWith(u"Der Drucker \u201ETarvexTest\u201C ist angehalten."_s));
    const QStringList pdf = QDir::current().entryList({u"Ausdruck_*.pdf"_s});
    ASSERT_EQ(pdf.size(), 1);
    EXPECT_EQ(prompter.gezeigt()[1].text, u"Der Ausdruck wird als PDF-Datei gespeichert:\n"_s
                                               + QDir::toNativeSeparators(dir.pfad(pdf[0])));
    for (const Meldung& m : prompter.gezeigt().mid(2))
        EXPECT_FALSE(m.text.contains(u"Drucker"_s)) << m.text.toStdString();
    EXPECT_EQ(seiten(pdf[0]).size(), seitenzahl);
    EXPECT_EQ(cups->offeneAufträge(), 0);
    EXPECT_TRUE(cups->ausgaben(standard).isEmpty());
}

class EtikettenDruckTest : public test::ContestFixture {
protected:
    void SetUp() override
    {
        if (!cups->fehler().isEmpty())
            GTEST_SKIP() << "kein eigener CUPS-Server: " << cups->fehler().toStdString();
        cups->befehl(u"lpadmin"_s, {u"-d"_s, standard});
        cups->ausgabenLöschen();
    }
    void kontakte(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i) {
            QsoRecord q;
            q.nummer = i + 1;
            q.datum = u"05.12.26"_s;
            q.zeit = u"14:%1"_s.arg(i % 60, 2, 10, QChar(u'0'));
            q.rufzeichen = u"DL%1ABC"_s.arg(i % 10);
            q.kernCall = q.rufzeichen;
            q.rstGeg = i % 2 ? u"599%1"_s.arg(i + 1, 3, 10, QChar(u'0')) : u"59%1"_s.arg(i + 1, 3, 10, QChar(u'0'));
            q.rstErh = i % 2 ? u"599017"_s : u"59017"_s;
            q.locator = u"JO62QM"_s;
            q.punkte = QString::number(100 + i);
            q.qsl = true;
            model.db()->qsoSpeichern(u"144MHz"_s, q, q.rufzeichen);
        }
    }
};

TEST_F(EtikettenDruckTest, SheetsAndContinuousStockReachTheQueueAsOneJobOnTheirPaper)
{
    const struct {
        int etikettenart; // 0 continuous, 1 sheets
        int anzahl;
        int seiten;
        double höheMm;
    } fälle[] = {{1, 20, 2, 297}, {0, 3, 3, 35}};
    kontakte(20);
    QtPrinterSurface drucker(prompter, clock);
    RecordingPrinterSurface aufnahme(druckerRand());
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.etikettenart);
        cups->ausgabenLöschen();
        QslModel qsl(model, settings, drucker, prompter);
        QslModel zumVergleich(model, settings, aufnahme, prompter);
        qsl.etikettenartWählen(fall.etikettenart);
        zumVergleich.etikettenartWählen(fall.etikettenart);
        qsl.txtPunkte = zumVergleich.txtPunkte = QString::number(119 - fall.anzahl);
        ASSERT_TRUE(qsl.drucken());
        ASSERT_TRUE(zumVergleich.drucken());
        ASSERT_TRUE(cups->warten(standard, 1));
        const QStringList jobs = cups->ausgaben(standard);
        ASSERT_EQ(jobs.size(), 1);
        const QList<Seite> papier = seiten(jobs[0]);
        ASSERT_EQ(papier.size(), fall.seiten);
        const int dokument = aufnahme.dokumente();
        ASSERT_EQ(aufnahme.seiten(dokument), fall.seiten);

        // The same labels while the queue refuses them, as the PDF file instead.
        ASSERT_TRUE(cups->befehl(u"cupsreject"_s, {standard}));
        for (const QString& alt : QDir::current().entryList({u"Ausdruck_*.pdf"_s}))
            QFile::remove(alt);
        ASSERT_TRUE(qsl.drucken());
        ASSERT_TRUE(cups->befehl(u"cupsaccept"_s, {standard}));
        const QStringList ersatz = QDir::current().entryList({u"Ausdruck_*.pdf"_s});
        ASSERT_EQ(ersatz.size(), 1);
        // The comparison tells labels apart that differ in a few characters.
        EXPECT_FALSE(gleicheSeite(jobs[0], 1, ersatz[0], 2));
        for (int s = 1; s <= fall.seiten; ++s) {
            SCOPED_TRACE(s);
            EXPECT_LT(qAbs(papier[s - 1].breiteMm - 210), 0.5);
            EXPECT_LT(qAbs(papier[s - 1].höheMm - fall.höheMm), 0.5);
            // Two columns side by side: the same words, in another order.
            EXPECT_EQ(sortiert(wörter(ersatz[0], s)), sortiert(wörterDerSeite(aufnahme, dokument, s)));
            EXPECT_TRUE(gleicheSeite(jobs[0], s, ersatz[0], s));
        }
    }
}

// The running program: "Drucker wählen …" under Optionen stores the choice,
// and the printer journal goes there as one job when the program ends.
TEST_F(CupsTest, ProgramPrintsItsJournalOnTheChosenPrinterWhenItEnds)
{
    test::WorkDir dir;
    ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
    writeTextFile(u"TEST.txt"_s, {});
    auto settings = std::make_unique<Settings>(dir.pfad(u"CONTEST.ini"_s));
    settings->setLetzterContest(u"TEST.MDB"_s);
    settings->setLetztesBand(u"144MHz"_s);
    settings->setProtokoll(1);
    QStringList gesehen;
    QTimer bediener;
    QObject::connect(&bediener, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* wahl = qobject_cast<DruckerwahlDialog*>(w)) {
            auto* liste = wahl->findChild<QListWidget*>(u"lstDrucker"_s);
            liste->setCurrentItem(liste->findItems(zweiter, Qt::MatchExactly).value(0));
            wahl->accept();
        } else if (w) {
            gesehen.append(w->windowTitle());
            w->close();
        }
    });
    bediener.start(20);
    {
        Application app(std::move(settings));
        app.starten(0);
        const QDeadlineTimer frist(10000);
        while (!app.hauptfenster().contestWindow()->isVisible() && !frist.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(app.hauptfenster().contestWindow()->isVisible());
        QAction& wählen = app.hauptfenster().befehle()[Befehl::DruckerWählen];
        EXPECT_EQ(wählen.text(), u"Drucker wählen …"_s);
        ASSERT_TRUE(wählen.isEnabled());
        auto* optionen = app.hauptfenster().findChild<QMenu*>(u"mnuOptionen"_s);
        ASSERT_NE(optionen, nullptr);
        EXPECT_TRUE(optionen->actions().contains(&wählen));
        wählen.trigger();
        EXPECT_EQ(QtPrinterSurface::zielDrucker(), zweiter);

        ContestModel& model = app.contest();
        for (const QString& zeile : {u"DK2XY JO62QM 59013"_s, QString()}) {
            for (const QChar c : zeile)
                model.entry().tippe(c);
            model.entry().enter();
        }
        ASSERT_EQ(model.db()->qsos(u"144MHz"_s).size(), 1);
        QCoreApplication::processEvents();
        EXPECT_EQ(cups->offeneAufträge(), 0);
        EXPECT_TRUE(cups->ausgaben(zweiter).isEmpty());
    }
    bediener.stop();
    EXPECT_EQ(Settings(dir.pfad(u"CONTEST.ini"_s)).lesen(u"Drucker"_s, u"Name"_s), zweiter);
    ASSERT_TRUE(cups->warten(zweiter, 1));
    EXPECT_EQ(cups->ausgaben(zweiter).size(), 1);
    EXPECT_EQ(seiten(cups->ausgaben(zweiter).value(0)).size(), 1);
    EXPECT_TRUE(cups->ausgaben(standard).isEmpty());
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
