#include "logout/LogModel.h"
#include "common/AtomicTextFile.h"
#include "common/TextFile.h"
#include "logout/LogFelder.h"
#include "mail/CurlMailSender.h"
#include "mail/MailVersand.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "support/LogFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using F = LogFeld;

// Counts how often a signal of the model was sent.
struct Zähler {
    template <typename Signal> Zähler(LogModel& model, Signal signal)
    {
        QObject::connect(&model, signal, [this] { ++n; });
    }
    int count() const { return n; }
    int n = 0;
};

class LogModelTest : public test::LogFixture {
protected:
    // These tests are about the printed outputs; the EDI step has its own tests.
    LogModelTest() { log.setEDI(false); }
    const QString erinnerung
        = u"Bitte nicht vergessen die EXP-Datei \"144MHz-122026-DL0XX.EXP\"\nan QQ9QQ zu senden."_s;
};

TEST_F(LogModelTest, ChoicesStartAsTheOperatorExpects)
{
    const bool ticks[] = { log.chkDeckblatt(), log.chkLog(), log.chkInDatei(), log.chkExportieren(),
        log.chkADIF(), log.chkEMail(), log.dateinameSichtbar() };
    EXPECT_EQ(QList<bool>(std::begin(ticks), std::end(ticks)),
        (QList<bool> { true, true, false, true, false, false, false }));
    // Ticking empties the file name; unticking keeps the text.
    log.setInDatei(true);
    log.setTxtDateiName(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s);
    EXPECT_EQ(log.txtDateiName(), u"ABCDEFGHIJKLMNOPQRST"_s);
    log.setInDatei(false);
    EXPECT_EQ(log.txtDateiName(), u"ABCDEFGHIJKLMNOPQRST"_s);
    log.setInDatei(true);
    EXPECT_EQ(log.txtDateiName(), QString());
}

TEST_F(LogModelTest, FieldsKeepTheirMaximumLength)
{
    const QString lang(100, u'x');
    for (const LogFeldDefinition& d : LogFelder::definitionen()) {
        log.setText(d.feld, lang);
        EXPECT_EQ(log.text(d.feld).size(), d.länge) << QString::fromUtf16(d.name).toStdString();
    }
    // Commas become full stops in the date only.
    log.setText(F::Datum, u"01,05,2002"_s);
    EXPECT_EQ(log.text(F::Datum), u"01.05.2002"_s);
    log.setText(F::Ort, u"12345 A,B"_s);
    EXPECT_EQ(log.text(F::Ort), u"12345 A,B"_s);
}

TEST_F(LogModelTest, DateMustBeWrittenTTMMJJJJ)
{
    const std::pair<QString, bool> cases[] = {
        { u"01,05,2002"_s, true },
        { u"29.02.2024"_s, true },
        { u"1.05.2002"_s, false },
        { QString(), false },
        { u"31.02.2002"_s, false },
        { u"29.02.2023"_s, false },
    };
    Zähler fokus(log, &LogModel::focusDatum);
    for (const auto& [text, gültig] : cases) {
        prompter.vergiss();
        log.setText(F::Datum, text);
        EXPECT_EQ(log.datumVerlassen(), gültig) << text.toStdString();
        if (gültig) {
            EXPECT_TRUE(prompter.gezeigt().isEmpty());
            continue;
        }
        EXPECT_TRUE(prompter.einzige().text.contains(u"'TT.MM.JJJJ'"_s));
    }
    EXPECT_EQ(fokus.count(), 4);
    // The field takes ten characters; a longer text fails all the same.
    EXPECT_FALSE(LogModel::datumGültig(u"01.05.20021"_s));
}

TEST_F(LogModelTest, PrintingSavesPerBandAndReminds)
{
    kontakte(51);
    deckblattFüllen();
    Zähler zurück(log, &LogModel::closeRequested);
    log.drucken(drucker);

    // Cover sheet and two log pages, each its own job.
    EXPECT_EQ(drucker.dokumente(), 3);
    EXPECT_EQ(drucker.abgeschlosseneDokumente(), 3);
    EXPECT_EQ(prompter.texte(), QStringList { erinnerung });
    EXPECT_EQ(prompter.gezeigt()[0].titel, u"Wichtig"_s);
    EXPECT_EQ(zurück.count(), 1);
    EXPECT_EQ(settings.lesen(u"Log"_s, u"Name"_s), QString()); // station data per band only
}

TEST_F(LogModelTest, EachBandKeepsItsStationData)
{
    deckblattFüllen();
    log.drucken(drucker);

    // A new run on 432 MHz: the shared fields come back, the station data of 144 MHz do not.
    model.bandWechseln(u"432MHz"_s);
    LogModel neu(model, prompter, clock);
    neu.aktivieren();
    EXPECT_EQ((QStringList { neu.text(F::Wettbewerb), neu.text(F::Datum), neu.text(F::DOK), neu.text(F::Name),
                  neu.text(F::Antenne) }),
        (QStringList { u"Dezember-Contest UKW 2026"_s, u"05.12.2026"_s, u"X99"_s, QString(), QString() }));

    neu.setText(F::Name, u"Max Mustermann"_s);
    neu.setText(F::Antenne, u"21-Element"_s);
    neu.drucken(drucker);
    EXPECT_EQ(settings.lesen(u"Log432MHz"_s, u"Name"_s), u"Max Mustermann"_s);
    EXPECT_EQ(settings.lesen(u"Log144MHz"_s, u"Name"_s), u"Erika Mustermann"_s);

    // Back on 144 MHz the stored values replace the texts; an empty stored value leaves a field.
    model.bandWechseln(u"144MHz"_s);
    neu.aktivieren();
    EXPECT_EQ(neu.text(F::Name), u"Erika Mustermann"_s);
    EXPECT_EQ(neu.text(F::Antenne), u"4x 10-Element Yagi"_s);
    settings.schreiben(u"Log144MHz"_s, u"Sender"_s, QString());
    neu.setText(F::Sender, u"bleibt"_s);
    neu.aktivieren();
    EXPECT_EQ(neu.text(F::Sender), u"bleibt"_s);
}

// The same window moved to a band without station data still shows the last band's
// transmitter and antenna: it says so until the band has data of its own or the
// operator edits a station field.
TEST_F(LogModelTest, ABandWithoutStationDataSaysTheFieldsAreAnotherBands)
{
    deckblattFüllen();
    log.drucken(drucker);
    struct Schritt {
        const char* was;
        QString band;
        bool hinweis;
    };
    const Schritt schritte[] = {
        { "144 MHz has its own", u"144MHz"_s, false },
        { "432 MHz has none", u"432MHz"_s, true },
        { "still none at the next opening", u"432MHz"_s, true },
        { "back on 144 MHz", u"144MHz"_s, false },
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.was);
        model.bandWechseln(s.band);
        log.aktivieren();
        EXPECT_EQ(log.stationsdatenHinweis().isEmpty(), !s.hinweis)
            << log.stationsdatenHinweis().toStdString();
    }
    model.bandWechseln(u"432MHz"_s);
    log.aktivieren();
    EXPECT_EQ(log.stationsdatenHinweis(),
        u"Für 432 MHz sind keine Stationsdaten gespeichert; die Felder zeigen die Angaben von 144 MHz. "
        u"Bitte prüfen (Sender, Antenne, Leistung …), bevor gedruckt wird."_s);
    // A shared field does not answer the note; a station field does.
    log.setText(F::Wettbewerb, u"Anderer Contest"_s);
    EXPECT_FALSE(log.stationsdatenHinweis().isEmpty());
    log.setText(F::Antenne, u"21-Element"_s);
    EXPECT_TRUE(log.stationsdatenHinweis().isEmpty());
    // Printed on 432 MHz: its own data from now on.
    log.drucken(drucker);
    model.bandWechseln(u"144MHz"_s);
    log.aktivieren();
    model.bandWechseln(u"432MHz"_s);
    log.aktivieren();
    EXPECT_TRUE(log.stationsdatenHinweis().isEmpty());
    EXPECT_EQ(log.text(F::Antenne), u"21-Element"_s);
}

TEST_F(LogModelTest, CancelSavesAndOutputsNothing)
{
    deckblattFüllen();
    log.setInDatei(true);
    log.setTxtDateiName(u"AUSGABE.TXT"_s);
    Zähler zurück(log, &LogModel::closeRequested);
    log.abbrechen();
    EXPECT_EQ(zurück.count(), 1);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_FALSE(QFile::exists(u"AUSGABE.TXT"_s));
    EXPECT_EQ(settings.lesen(u"Log"_s, u"Wettbewerb"_s), QString());
    EXPECT_EQ(settings.lesen(u"Log144MHz"_s, u"Name"_s), QString());
    // The window keeps its texts for the next time it is shown.
    EXPECT_EQ(log.text(F::Name), u"Erika Mustermann"_s);
}

TEST_F(LogModelTest, OneFileHoldsWhatIsTickedAndReplacesAnOlderOne)
{
    kontakte(51);
    deckblattFüllen();
    const struct {
        const char* name;
        QString band;
        bool deckblatt, logSeiten;
        QByteArray inhalt;
    } fälle[] = {
        { "cover sheet and log pages", u"144MHz"_s, true, true,
            test::golden(u"log_deckblatt.txt"_s) + test::golden(u"log_seiten_51.txt"_s) },
        { "nothing ticked: an empty file", u"144MHz"_s, false, false, {} },
        { "a band without contacts: only the total", u"432MHz"_s, false, true,
            test::golden(u"log_seiten_leer.txt"_s) },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        model.bandWechseln(f.band);
        writeTextFile(u"ALLES.TXT"_s, { u"alt"_s });
        log.setDeckblatt(f.deckblatt);
        log.setLog(f.logSeiten);
        log.setInDatei(true);
        log.setTxtDateiName(u"ALLES.TXT"_s);
        log.drucken(drucker);
        EXPECT_EQ(test::dateiInhalt(u"ALLES.TXT"_s), f.inhalt);
        EXPECT_EQ(drucker.dokumente(), 0);
    }
}

// With the disk full the previous output stays whole: the new one is written
// beside it and replaces it only when complete.
TEST_F(LogModelTest, AFullDiskLeavesThePreviousLogFile)
{
    kontakte(51);
    writeTextFile(u"LOG1.TXT"_s, { u"das alte Log"_s });
    log.setInDatei(true);
    log.setTxtDateiName(u"LOG1.TXT"_s);
    AtomicTextFile::setSystemaufrufe({ [](int, const void*, size_t) -> ssize_t {
                                          errno = ENOSPC;
                                          return -1;
                                      },
        {}, {} });
    log.drucken(drucker);
    AtomicTextFile::setSystemaufrufe({});
    EXPECT_EQ(test::dateiInhalt(u"LOG1.TXT"_s), QByteArray("das alte Log\r\n"));
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(
        text.startsWith(u"Die Datei LOG1.TXT kann nicht geschrieben werden: der Datenträger ist voll."_s))
        << text.toStdString();
    EXPECT_EQ(QDir::current().entryList({ u".*"_s }, QDir::Files | QDir::Hidden), QStringList());
}

// The output file must never be one of the program's own files.
TEST_F(LogModelTest, TheProgramsOwnFilesAreRefusedAsOutput)
{
    kontakte(2);
    Zähler dateiFokus(log, &LogModel::focusDateiName);
    writeTextFile(u"LOG.TXT"_s, { u"DL1ABC"_s });
    writeTextFile(u"ANDERS.txt"_s, { u"Journal"_s });
    test::schreibeDatei(u"ANDERS.MDB"_s, "x");
    const QString journal = journalPfad(model.Datenbank());
    const struct {
        QString name;
        const char16_t* was; // nullptr: accepted
    } fälle[] = {
        { u"LOG.TXT"_s, u"Tastaturprotokoll" },
        { u"./log.txt"_s, u"Tastaturprotokoll" },
        { QFileInfo(journal).fileName().toUpper(), u"Journal des Contests" },
        { u"ANDERS.TXT"_s, u"Journal eines Contests" },
        { u"CONTEST.DAT"_s, u"Referenzdatei" },
        { u"CALLINFO.MDB"_s, u"Referenzdatei" },
        { u"NEU.MDB"_s, u"Contest-Datenbank" },
        { u"LOG1.TXT"_s, nullptr },
    };
    int fokus = 0;
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name.toStdString());
        prompter.vergiss();
        const QByteArray vorher = test::dateiInhalt(f.name);
        log.setInDatei(true);
        log.setTxtDateiName(f.name);
        log.drucken(drucker);
        if (f.was == nullptr) {
            EXPECT_TRUE(QFile::exists(f.name));
            EXPECT_EQ(dateiFokus.count(), fokus);
            continue;
        }
        ASSERT_GE(prompter.gezeigt().size(), 1);
        const QString text = prompter.gezeigt()[0].text;
        EXPECT_TRUE(text.contains(QString::fromUtf16(f.was)) && text.contains(f.name)) << text.toStdString();
        EXPECT_EQ(test::dateiInhalt(f.name), vorher);
        EXPECT_EQ(dateiFokus.count(), ++fokus);
    }
    EXPECT_EQ(test::dateiInhalt(u"LOG.TXT"_s), QByteArray("DL1ABC\r\n"));
}

TEST_F(LogModelTest, FailuresAreToldAndLeaveTheContestAlone)
{
    kontakte(3);
    const QList<QsoRecord> vorher = band();
    Zähler zurück(log, &LogModel::closeRequested);
    Zähler dateiFokus(log, &LogModel::focusDateiName);
    log.setText(F::Wettbewerb, u"Test"_s);

    // No file name: nothing runs, the focus goes to the name.
    log.setInDatei(true);
    log.drucken(drucker);
    EXPECT_TRUE(prompter.einzige().text.startsWith(u"Bitte den Namen der Datei eingeben"_s));
    EXPECT_EQ(dateiFokus.count(), 1);

    // A file that cannot be created: its name and the reason, no reminder, the window stays.
    prompter.vergiss();
    log.setTxtDateiName(u"FEHLT/LOG.TXT"_s);
    log.drucken(drucker);
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(text.startsWith(u"Die Datei FEHLT/LOG.TXT kann nicht geschrieben werden: "_s))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"Die weiteren Ausgaben entfallen."_s)) << text.toStdString();
    EXPECT_EQ(zurück.count(), 0);
    EXPECT_EQ(band(), vorher);
    // The typed data are kept for the next run all the same.
    EXPECT_EQ(settings.lesen(u"Log"_s, u"Wettbewerb"_s), u"Test"_s);
}

TEST_F(LogModelTest, PrintingWritesTheExchangeFileShowsItsNameAndMailsIt)
{
    // Without a mail server the request is refused at once: its text names the file handed over.
    CurlMailSender sender;
    MailVersand versand(settings, sender, prompter, clock);
    LogModel mitMail(model, prompter, clock, &versand);
    kontakte(3);
    mitMail.setADIF(true);
    mitMail.setEMail(true);
    Zähler geändert(mitMail, &LogModel::changed);
    mitMail.drucken(drucker);
    EXPECT_EQ(mitMail.txtExportname(), u"144MHz-122026-DL0XX.EXP"_s);
    EXPECT_GE(geändert.count(), 1);
    EXPECT_EQ(readTextLines(u"144MHz-122026-DL0XX.EXP"_s).size(), 8);
    EXPECT_TRUE(QFile::exists(u"144MHz-122026-DL0XX.adi"_s));
    ASSERT_EQ(prompter.texte().size(), 2);
    EXPECT_TRUE(
        prompter.texte()[0].endsWith(u"\nDie EXP-Datei 144MHz-122026-DL0XX.EXP wurde nicht gesendet."_s))
        << prompter.texte()[0].toStdString();
    EXPECT_EQ(prompter.texte()[1], erinnerung);
}

TEST_F(LogModelTest, AnEmptyBandHasNoExchangeFileAndTheWindowStays)
{
    Zähler zurück(log, &LogModel::closeRequested);
    log.drucken(drucker);
    EXPECT_TRUE(prompter.einzige().text.startsWith(u"Auf dem Band 144 MHz ist noch kein QSO gespeichert."_s));
    EXPECT_EQ(zurück.count(), 0);
    EXPECT_TRUE(log.txtExportname().isEmpty());
}

struct FesteDruckerwahl final : Druckerwahl {
    QString standard;
    Zustand jetzt = Zustand::Bereit;
    QString standardDrucker() const override { return standard; }
    Zustand zustand(const QString&) const override { return jetzt; }
};

// Paper, a PDF in its place, or nothing: decided once for the whole log, from
// the ticks, the printer there is and the operator's answer to its trouble.
TEST_F(LogModelTest, PrintingDecidesBetweenPaperPdfAndNothing)
{
    using W = LogModel::Druckweg;
    using Z = Druckerwahl::Zustand;
    using A = Meldung::Antwort;
    const struct {
        const char* fall;
        bool papier;
        QString drucker;
        Z zustand;
        std::optional<A> antwort; // none: nothing may be asked
        W weg;
    } fälle[] = {
        { "into the text file", false, u"Laser"_s, Z::Fehlt, std::nullopt, W::Direkt },
        { "no printer installed", true, QString(), Z::Bereit, std::nullopt, W::PdfOhneDrucker },
        { "printer ready", true, u"Laser"_s, Z::Bereit, std::nullopt, W::Direkt },
        { "stopped, kept in its queue", true, u"Laser"_s, Z::Angehalten, A::Nein, W::Direkt },
        { "stopped, as PDF", true, u"Laser"_s, Z::Angehalten, A::Ja, W::PdfStattDrucker },
        { "refuses jobs, discarded", true, u"Laser"_s, Z::NimmtNichtsAn, A::Nein, W::Nichts },
        { "gone, as PDF", true, u"Laser"_s, Z::Fehlt, A::Ja, W::PdfStattDrucker },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        prompter.vergiss();
        log.setInDatei(!f.papier);
        FesteDruckerwahl wahl;
        wahl.standard = f.drucker;
        wahl.jetzt = f.zustand;
        if (f.antwort)
            prompter.antworte(*f.antwort);
        EXPECT_EQ(log.druckweg(wahl), f.weg);
        ASSERT_EQ(prompter.gezeigt().size(), f.antwort ? 1 : 0);
        if (f.antwort) {
            EXPECT_TRUE(prompter.gezeigt().front().text.contains(u"\u201ELaser\u201C"_s));
        }
    }
    // The operator's own choice wins over the default printer.
    FesteDruckerwahl wahl;
    wahl.standard = u"Laser"_s;
    wahl.setGewählt(u"Etiketten"_s);
    EXPECT_EQ(wahl.ziel(), u"Etiketten"_s);
}

} // namespace
} // namespace tarvex
