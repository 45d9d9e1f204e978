// The logging window over a real contest: keys typed into txtInput reach the
// model, the model's state reaches the widgets, menus drive the commands.
#include "contest/ContestWindow.h"
#include "app/MainWindow.h"
#include "commands/Befehl.h"
#include "contest/BearbeitenWidget.h"
#include "contest/ContestModel.h"
#include "contest/InputLineEdit.h"
#include "contest/LogGrid.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct Umgebung : test::Arbeitsplatz {
    std::unique_ptr<ContestModel> model;
    std::unique_ptr<MainWindow> fenster;

    // With a contest TEST.mdb on 144 and 432 MHz the window is shown over it.
    explicit Umgebung(bool mitContest = true)
    {
        test::ContestDatInhalt inhalt;
        inhalt.präfixe
            = { { u"DL"_s, u"Deutschland"_s }, { u"G"_s, u"England"_s }, { u"OK"_s, u"Tschechien"_s } };
        inhalt.squares = { { u"JO62"_s, u"Deutschland"_s }, { u"IO91"_s, u"England"_s },
            { u"JO70"_s, u"Tschechien"_s } };
        inhalt.länder = { u"Deutschland"_s, u"England"_s, u"Litauen"_s };
        test::schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        if (mitContest) {
            ContestDatabase::anlegen(
                u"TEST.mdb"_s, { u"144MHz"_s, u"432MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
            settings.setLetzterContest(u"TEST.MDB"_s);
            settings.setLetztesBand(u"144MHz"_s);
        }
        bauen();
        if (mitContest)
            starten();
    }

    void bauen()
    {
        fenster.reset();
        model = std::make_unique<ContestModel>(prompter, clock, keystrokes, lookup, settings);
        QVERIFY(model->laden());
        fenster = std::make_unique<MainWindow>(*model, prompter);
    }

    void starten()
    {
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        w()->aktivieren();
    }

    ContestWindow* w() const { return fenster->contestWindow(); }

    void tippe(const QString& zeile)
    {
        QTest::keyClicks(w()->eingabe(), zeile);
        QTest::keyClick(w()->eingabe(), Qt::Key_Return);
    }
    // A whole contact, saved with a second Enter.
    void logge(const QString& zeile)
    {
        tippe(zeile);
        QTest::keyClick(w()->eingabe(), Qt::Key_Return);
    }

    QAction* befehl(Befehl b) const { return &fenster->befehle()[b]; }
};

} // namespace

class ContestWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Without a contest the menus are complete all the same, and the window asks
    // for a new contest when it becomes active.
    void firstStartHasEveryCommandAndAsksForANewContest()
    {
        Umgebung u(false);
        Befehle& befehle = u.fenster->befehle();
        for (int i = 0; i <= static_cast<int>(Befehl::Anleitung); ++i)
            QVERIFY2(befehle.angelegt(static_cast<Befehl>(i)), qPrintable(QString::number(i)));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, befehle.anlegen(Befehl::Log, u"noch einmal"_s));

        QSignalSpy angefordert(u.w(), &ContestWindow::newContestRequested);
        u.starten();
        QCOMPARE(angefordert.count(), 1);
        QCOMPARE(angefordert.first().first().toBool(), false);
    }

    void contactsThroughTheInputLine()
    {
        Umgebung u;
        QCOMPARE(QApplication::focusWidget(), u.w()->eingabe());
        u.tippe(u"dl1abc jo62qm 59012"_s);
        QCOMPARE(u.w()->anzeige(u"txtCall"_s)->text(), u"DL1ABC"_s);
        QVERIFY(u.w()->label(u"lblOk"_s)->isVisible());
        QTest::keyClick(u.w()->eingabe(), Qt::Key_Return);
        u.logge(u"g4xyz io91aa 59013"_s);

        // Esc drops an entry in progress.
        u.tippe(u"dk2xy jo31ab"_s);
        QTest::keyClick(u.w()->eingabe(), Qt::Key_Escape);
        QCOMPARE(u.w()->anzeige(u"txtCall"_s)->text(), QString());
        QCOMPARE(u.w()->grid()->model()->rowCount(), 2);
        QCOMPARE(u.w()->label(u"lblNummer"_s)->text(), u"003"_s);
        QCOMPARE(u.w()->grid()->currentIndex().row(), 1); // the last contact is current
        QCOMPARE(u.w()->grid()->rowAt(0), 1); // and the top visible row
    }

    void duplicateQuestionShowsTheContactInQuestion()
    {
        Umgebung u;
        u.logge(u"DL1ABC JO62QM 59012"_s);
        u.prompter.antworte(Meldung::Antwort::Abbrechen);
        // While the operator decides, the window shows the contact in question.
        QStringList sichtbar;
        u.prompter.beimZeigen = [&](const Meldung&) {
            sichtbar = { u.w()->anzeige(u"txtCall"_s)->text(), u.w()->anzeige(u"txtLocator"_s)->text(),
                u.w()->anzeige(u"txtRSTerh"_s)->text(), u.w()->eingabe()->text() };
        };
        u.tippe(u"DL1ABC/P JO62QM 59013"_s);
        u.prompter.beimZeigen = nullptr;
        QCOMPARE(sichtbar, (QStringList { u"DL1ABC/P"_s, u"JO62QM"_s, u"59013"_s, QString() }));
        // Cancelled: the entry is gone from the window too.
        QCOMPARE(u.w()->anzeige(u"txtCall"_s)->text(), QString());
    }

    void optionGroupsAreStoredAndRestored()
    {
        Umgebung u;
        u.befehl(Befehl::Rst599)->trigger();
        QCOMPARE(u.w()->anzeige(u"txtRSTgeg"_s)->text(), u"599"_s);
        u.befehl(Befehl::LoggenF12)->trigger();
        u.befehl(Befehl::ProtokollEin)->trigger();
        QVERIFY(u.w()->label(u"Image1"_s)->isVisible());
        u.befehl(Befehl::UtcMinusZwei)->trigger();
        u.befehl(Befehl::KommentarEin)->trigger();
        QVERIFY(!u.w()->grid()->isColumnHidden(12));

        // One Enter does not save in either mode; F12 does in log-key mode.
        u.tippe(u"DL1ABC JO62QM 59012"_s);
        QTest::keyClick(u.w()->eingabe(), Qt::Key_F12);
        QCOMPARE(u.model->db()->qsos(u"144MHz"_s).size(), 1);

        u.bauen(); // a new window over the same settings
        u.starten();
        for (const Befehl b : { Befehl::Rst599, Befehl::LoggenF12, Befehl::ProtokollEin, Befehl::UtcMinusZwei,
                 Befehl::KommentarEin })
            QVERIFY(u.befehl(b)->isChecked());
    }

    void gridKeysAndStatusBar()
    {
        Umgebung u;
        u.logge(u"DL1ABC JO62QM 59012"_s);
        QTest::keyClick(u.w()->eingabe(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), u.w()->grid());
        QCOMPARE(u.fenster->statusText(), u"Tabelle verlassen mit Esc"_s);
        // Hovering a menu item (an empty status tip) leaves the text.
        QStatusTipEvent hover { QString() };
        QApplication::sendEvent(u.fenster.get(), &hover);
        QCOMPARE(u.fenster->statusText(), u"Tabelle verlassen mit Esc"_s);
        QTest::keyClick(u.w()->grid(), Qt::Key_G);
        QCOMPARE(QApplication::focusWidget(), u.w()->eingabe());
        QCOMPARE(u.w()->eingabe()->text(), u"G"_s);
        // Neither does a band switch.
        u.model->bandWechseln(u"432MHz"_s);
        QCOMPARE(u.fenster->statusText(), u"Bereit"_s);
    }

    // Pasted and inserted text goes through the typing rules (tested in core).
    void pasteIsFilteredLikeTyping()
    {
        Umgebung u;
        InputLineEdit* zeile = u.w()->eingabe();
        QApplication::clipboard()->setText(u"dl1abc ä€;jo62qm"_s);
        QTest::keyClick(zeile, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(zeile->text(), u"DL1ABC JO62QM"_s);
        // Middle click and context menu insert at the cursor.
        zeile->setCursorPosition(6);
        zeile->insert(u"-p"_s);
        QCOMPARE(zeile->text(), u"DL1ABC/P JO62QM"_s);
        QCOMPARE(zeile->cursorPosition(), 8);
        QTest::keyClick(zeile, Qt::Key_End);
        QTest::keyClicks(zeile, u" 59012"_s);
        QTest::keyClick(zeile, Qt::Key_Return);
        QTest::keyClick(zeile, Qt::Key_Return);
        QCOMPARE(u.model->db()->qsos(u"144MHz"_s).size(), 1);

        // So do the edit panel's fields.
        u.w()->grid()->setCurrentIndex(u.model->logList().index(0, 0));
        u.befehl(Befehl::Ändern)->trigger();
        QVERIFY(u.w()->bearbeitenPanel()->isVisible());
        QLineEdit* uhrzeit = u.w()->bearbeitenPanel()->feld(u"txtUhrzeit2"_s);
        uhrzeit->clear();
        QApplication::clipboard()->setText(u"14.05 Uhr:"_s);
        uhrzeit->setFocus();
        QTest::keyClick(uhrzeit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(uhrzeit->text(), u"1405:"_s);
    }

    // An unknown prefix: the country list takes the focus while the model offers
    // it, and the input line gets it back once a country is chosen.
    void countryListFollowsTheModel()
    {
        Umgebung u;
        u.prompter.antworte(Meldung::Antwort::Ja);
        u.logge(u"LY2ABC KO24AA 59001"_s);
        auto* liste = u.w()->findChild<QListWidget*>(u"DBList1"_s);
        QVERIFY(liste != nullptr);
        QTRY_VERIFY(liste->isVisible());
        QTRY_VERIFY(liste->hasFocus());
        QCOMPARE(liste->count(), 3);
        liste->setCurrentRow(2);
        QTest::keyClick(liste, Qt::Key_Return);
        QTRY_VERIFY(!liste->isVisible());
        QVERIFY(u.w()->eingabe()->hasFocus());
        QCOMPARE(u.model->felder().lblLand, u"Litauen"_s);
    }

    void quitQuestionOnClose()
    {
        Umgebung u;
        u.prompter.antworte(Meldung::Antwort::Nein);
        QVERIFY(!u.fenster->close());
        QVERIFY(u.fenster->isVisible());
        QCOMPARE(u.prompter.gezeigt().last().text, u"Programm beenden"_s);
        QCOMPARE(u.prompter.gezeigt().last().standard, Meldung::Antwort::Nein);
        u.prompter.antworte(Meldung::Antwort::Ja);
        QVERIFY(u.fenster->close());
    }
};

QTEST_MAIN(ContestWindowTest)
#include "ContestWindowTest.moc"
