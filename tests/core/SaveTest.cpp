#include "common/TextFile.h"
#include "entry/Locator.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"
#include "support/DatenbankEingriffe.h"
#include "support/RecordingPrinterSurface.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <optional>
#include <unistd.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class SaveTest : public test::ContestFixture { };

TEST_F(SaveTest, RecordFieldsJournalAndReset)
{
    zeile(u"K:qrv"_s); // a comment keeps its case only at the start of the line
    zeile(u"dl1abc jo62qm 59012 Q"_s);
    EXPECT_TRUE(QFile::exists(u"LOG.TXT"_s));
    zeile(QString());
    ASSERT_EQ(band().size(), 1);
    EXPECT_EQ(band()[0],
        (QsoRecord { 1, u"04.12.26"_s, u"14:05"_s, u"DL1ABC"_s, u"59001"_s, u"59012"_s, u"JO62QM"_s, u"531"_s,
            u"69"_s, u"DL1ABC"_s, u"JO62"_s, u"Deutschland"_s, u"qrv"_s, true }));

    EXPECT_EQ(test::dateiInhalt(u"TEST.txt"_s),
        QByteArray("   04.12.26 14:05  DL1ABC         59 001  59 012  JO62QM    531 - 144 MHz\r\n"));
    EXPECT_FALSE(QFile::exists(u"LOG.TXT"_s));
    EXPECT_FALSE(f().lblOk);
    EXPECT_EQ((QStringList { f().txtCall, f().txtNummer, f().txtRSTgeg, model.spielstand().txtPunkte,
                  model.spielstand().lblODXCall, model.LastCall(), model.LastLocator() }),
        (QStringList { u""_s, u"002"_s, u"59"_s, u"531"_s, u"( DL1ABC)"_s, u"DL1ABC"_s, u"JO62QM"_s }));
}

TEST_F(SaveTest, IncompleteEntriesAreRefusedSilently)
{
    model.entry().felder().txtRSTgeg.clear();
    logge(u"DL1ABC JO62QM 59012"_s);
    EXPECT_TRUE(band().isEmpty());
    EXPECT_TRUE(prompter.texte().isEmpty());
    EXPECT_EQ(f().txtCall, u"DL1ABC"_s);
}

TEST_F(SaveTest, DateWithClockOffsetAndTypedDate)
{
    clock.zeit = QDateTime(QDate(2027, 1, 1), QTime(0, 30));
    model.setZeitdifferenz(1);
    logge(u"DL1ABC JO62QM 59012 2330"_s);
    EXPECT_EQ((QStringList { band()[0].datum, band()[0].zeit }), (QStringList { u"31.12.26"_s, u"23:30"_s }));

    logge(u"DK2XY JO62QM 59013 01.01.00"_s);
    logge(u"G4ABC IO91AA 59014"_s);
    EXPECT_EQ(band()[1].datum, u"01.01.00"_s);
    EXPECT_EQ(band()[2].datum, u"01.01.00"_s); // a typed date stays
    const QByteArray journal = test::dateiInhalt(u"TEST.txt"_s);
    EXPECT_EQ(journal.count("31.12.26"), 3); // the journal always shows today
}

TEST_F(SaveTest, OnlyTheLastContactMayBeDeleted)
{
    logge(u"DL1ABC JO62QM 59012"_s);
    logge(u"G4XYZ IO91AA 59013"_s);
    prompter.antworte(Meldung::Antwort::Ja);
    model.letztenLöschen(0);
    EXPECT_TRUE(prompter.texte().last().contains(u"nur der letzte"_s));
    EXPECT_EQ(band().size(), 2);
}

TEST_F(SaveTest, UnknownCountryQuestionAndItsThreeAnswers)
{
    const QString text = u"unbekannter Präfix oder Hörfehler\n\nmöchten Sie das Land eingeben (Ja)\n"
                         u"oder die QSO-Daten löschen (Nein)\noder diese ändern (Abbrechen)"_s;
    // Cancel: nothing happens.
    logge(u"LY2ABC KO24AA 59012"_s);
    const Meldung m = prompter.einzige();
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.titel, u"Fehler"_s);
    EXPECT_EQ(m.symbol, Meldung::Symbol::Kritisch);
    EXPECT_EQ(m.standard, Meldung::Antwort::Abbrechen);
    EXPECT_EQ(f().txtCall, u"LY2ABC"_s);

    // Yes: the country list; choosing Litauen and an empty Enter saves.
    prompter.antworte(Meldung::Antwort::Ja);
    zeile(QString());
    ASSERT_TRUE(model.länderlisteSichtbar());
    model.länderlisteOk(static_cast<int>(model.länder().indexOf(u"Litauen"_s)));
    EXPECT_FALSE(model.länderlisteSichtbar());
    zeile(QString());
    ASSERT_EQ(band().size(), 1);
    EXPECT_EQ(band()[0].land, u"Litauen"_s);

    // No: the entry is dropped.
    prompter.antworte(Meldung::Antwort::Nein);
    logge(u"LY3XYZ KO24AA 59013"_s);
    EXPECT_EQ(f().txtCall, u""_s);
    EXPECT_EQ(band().size(), 1);
}

TEST_F(SaveTest, AcceptedDuplicateIsStoredInvalidAndUsesItsNumber)
{
    logge(u"DL1ABC JO62QM 59012"_s);
    prompter.antworte(Meldung::Antwort::Ok);
    logge(u"DL1ABC/P JO62QM 59013"_s);
    ASSERT_EQ(band().size(), 2);
    EXPECT_EQ(band()[1],
        (QsoRecord { 2, u"04.12.26"_s, u"14:05"_s, u"DL1ABC/P"_s, u"59002"_s, u"59013"_s, u"JO62QM"_s,
            u"-----"_s, u"69"_s, u"DL1ABC"_s, u" "_s, u" "_s, u" "_s, false }));
    EXPECT_EQ(f().txtNummer, u"003"_s);
    EXPECT_EQ(model.spielstand().txtPunkte, u"531"_s);
    EXPECT_TRUE(test::dateiInhalt(u"TEST.txt"_s).contains("  ----- - 144 MHz\r\n"));
}

// Row and journal line, both or neither: whichever step fails, the band and the
// journal stay byte for byte as they were, the entry stays, and a second try
// stores the contact exactly once.
TEST_F(SaveTest, AFailedSaveChangesNeitherTableNorJournal)
{
    const struct {
        const char* fall;
        int schreibfehler; // errno after half the line, or 0
        bool commitfehler;
        const char16_t* grund;
    } cases[] = {
        { "disk full half way through the line", ENOSPC, false, u"der Datenträger ist voll" },
        { "journal write fails outright", EIO, false, u"Ein-/Ausgabefehler des Datenträgers" },
        { "commit fails after the line", 0, true, u"Die Verbindung wurde nicht gespeichert." },
    };
    int nummer = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        ContestDatabase& db = *model.db();
        const QByteArray journalVorher = test::dateiInhalt(u"TEST.txt"_s);
        const qsizetype vorher = band().size();
        Journal::Systemaufrufe fehlerhaft { [&](int fd, const void* daten, size_t n) -> ssize_t {
                                               if (c.schreibfehler == 0)
                                                   return ::write(fd, daten, n);
                                               if (n > 10 && c.schreibfehler == ENOSPC)
                                                   return ::write(fd, daten, n / 2);
                                               errno = c.schreibfehler;
                                               return -1;
                                           },
            [](int fd) { return ::fsync(fd); } };
        db.journal() = Journal(db.journal().pfad(), fehlerhaft);
        std::optional<test::CommitFehler> commitFehler;
        commitFehler.emplace(db, [&] { return c.commitfehler; });
        const QString call = u"DK%1ABC"_s.arg(++nummer);
        logge(call + u" JO62QM 59013"_s);

        ASSERT_FALSE(prompter.texte().isEmpty());
        EXPECT_TRUE(prompter.texte().last().contains(QString::fromUtf16(c.grund)))
            << prompter.texte().last().toStdString();
        EXPECT_EQ(band().size(), vorher);
        EXPECT_EQ(test::dateiInhalt(u"TEST.txt"_s), journalVorher);
        EXPECT_EQ(f().txtCall, call); // the entry stays for another try

        db.journal() = Journal(db.journal().pfad());
        commitFehler.reset();
        zeile(QString());
        EXPECT_EQ(band().size(), vorher + 1);
        EXPECT_EQ(readTextLines(u"TEST.txt"_s).size(), vorher + 1);
        EXPECT_TRUE(readTextLines(u"TEST.txt"_s).last().contains(call));
    }
}

TEST_F(SaveTest, UnwritableJournalRollsTheContactBack)
{
    ASSERT_TRUE(QFile::remove(u"TEST.txt"_s));
    ASSERT_TRUE(QDir().mkdir(u"TEST.txt"_s)); // cannot be opened as a file, not even by root
    logge(u"DL1ABC JO62QM 59012"_s);
    EXPECT_TRUE(band().isEmpty());
    EXPECT_TRUE(prompter.einzige().text.contains(u"TEST.txt"_s));
    EXPECT_EQ((QStringList { f().txtCall, f().txtNummer }), (QStringList { u"DL1ABC"_s, u"001"_s }));
}

TEST_F(SaveTest, PrinterJournalGetsTheSameLine)
{
    RecordingPrinterSurface drucker;
    model.setJournalDrucker(&drucker);
    logge(u"DL1ABC JO62QM 59012"_s);
    EXPECT_EQ(drucker.dokumente(), 0);
    model.setProtokoll(true);
    logge(u"DK2XY JO62QM 59013"_s);
    logge(u"G4XYZ IO91AA 59014"_s);
    const QStringList journal = readTextLines(u"TEST.txt"_s);
    EXPECT_EQ(drucker.texte(1, 1), journal.mid(1));
    EXPECT_EQ(drucker.abgeschlosseneDokumente(), 0); // the journal never ends its document
}

TEST_F(SaveTest, EditPanel)
{
    prompter.antworte(Meldung::Antwort::Ok);
    logge(u"DL1ABC JO62QM 59012"_s);
    logge(u"DL1ABC JO62QM 59013"_s); // accepted duplicate: invalid
    ASSERT_TRUE(model.bearbeitung().öffnen(1));
    model.bearbeitung().qso().locator = u"JO62Q"_s;
    model.bearbeitung().ok();
    EXPECT_EQ(prompter.texte().last(), u"Fehlerhafter Locator"_s);
    EXPECT_TRUE(model.bearbeitung().offen());

    model.bearbeitung().qso().rufzeichen = u"OE/DK2XY"_s;
    model.bearbeitung().qso().locator = u"JN78AA"_s;
    model.bearbeitung().qso().kommentar.clear();
    model.bearbeitung().ok();
    EXPECT_FALSE(model.bearbeitung().offen());
    const Strecke s = Abstand(u"JO31AA"_s, u"JN78AA"_s);
    EXPECT_EQ(band()[1],
        (QsoRecord { 2, u"04.12.26"_s, u"14:05"_s, u"OE/DK2XY"_s, u"59002"_s, u"59013"_s, u"JN78AA"_s,
            QString::number(s.km), QString::number(s.winkel), u"DK2XY"_s, u"JN78"_s, u"Österreich"_s, u" "_s,
            false }));
    EXPECT_EQ(model.spielstand().gültige, 2);

    ASSERT_TRUE(model.bearbeitung().öffnen(0));
    model.bearbeitung().qso().rufzeichen = u"XX9XX"_s;
    model.bearbeitung().abbrechen();
    EXPECT_EQ(band()[0].rufzeichen, u"DL1ABC"_s);

    ASSERT_TRUE(model.bearbeitung().öffnen(0));
    model.bearbeitung().qso().rufzeichen = u"LY2ABC"_s;
    model.bearbeitung().qso().kommentar = u"it's \"ok\""_s;
    model.bearbeitung().ok();
    EXPECT_EQ(band()[0].land, u" "_s); // unknown country in the panel: a blank
    EXPECT_EQ(band()[0].kommentar, u"it's \"ok\""_s);
}

TEST_F(SaveTest, ClockMovesTheEntryTimeUntilATimeIsTypedOrTheReportBegun)
{
    clock.zeit = QDateTime(QDate(2026, 12, 4), QTime(14, 6));
    model.uhrTick();
    EXPECT_EQ((QStringList { f().lblUhrzeit, f().txtUhrzeit }), (QStringList { u"14:06"_s, u"14:06"_s }));
    zeile(u"1400"_s);
    clock.zeit = clock.zeit.addSecs(60);
    model.uhrTick();
    EXPECT_EQ((QStringList { f().lblUhrzeit, f().txtUhrzeit }), (QStringList { u"14:07"_s, u"14:00"_s }));
    logge(u"DL1ABC JO62QM 59012"_s);
    EXPECT_EQ(band()[0].zeit, u"14:00"_s);
    EXPECT_FALSE(f().Zeit);
    model.setZeitdifferenz(2);
    clock.zeit = QDateTime(QDate(2026, 12, 4), QTime(0, 30));
    model.uhrTick();
    EXPECT_EQ(f().lblUhrzeit, u"22:30"_s);
}

} // namespace
} // namespace tarvex
