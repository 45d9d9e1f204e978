// Transceiver and rotator wired into the running program: F5 from the input
// line turns the dummy rotator, the status bar shows both devices, the settings
// form checks a connection, and a missing daemon costs nothing but a text.
#include "app/Stationsanschluss.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/InputLineEdit.h"
#include "station/StationsDialog.h"
#include "support/HamlibDaemon.h"
#include "support/LaufendesProgramm.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

void einschalten(Settings& s, quint16 rigPort, quint16 rotorPort)
{
    StationsEinstellungen e;
    e.transceiverEin = e.rotorEin = e.rapportNachMode = true;
    e.transceiverPort = rigPort;
    e.rotorPort = rotorPort;
    e.speichern(s);
}

QString statusText(test::LaufendesProgramm& p, const QString& name)
{
    auto* l = p.rahmen().statusBar()->findChild<QLabel*>(name);
    return l != nullptr && l->isVisibleTo(&p.rahmen()) ? l->text() : QString();
}

} // namespace

class StationsanschlussTest : public QObject {
    Q_OBJECT
private slots:
    void f5FromTheInputLineTurnsTheRotatorAndTheStatusBarFollows()
    {
        test::HamlibDaemon rigctld(u"rigctld"_s);
        test::HamlibDaemon rotctld(u"rotctld"_s);
        if (!rigctld.läuft() || !rotctld.läuft())
            QSKIP(qPrintable(rigctld.grund() + rotctld.grund()));
        test::LaufendesProgramm p([&](Settings& s) { einschalten(s, rigctld.port(), rotctld.port()); });
        QVERIFY(p.bereit());
        ContestModel& model = p.app->contest();
        QTRY_COMPARE_WITH_TIMEOUT(statusText(p, u"StatusBar1Rotor"_s), u"Rotor 0°"_s, 10000);
        // The dummy rig starts on 145 MHz FM: the preset follows to 59.
        QTRY_COMPARE_WITH_TIMEOUT(statusText(p, u"StatusBar1Transceiver"_s), u"145,000 MHz FM"_s, 10000);
        QTRY_COMPARE(model.felder().RST, RstVorgabe::R59);

        InputLineEdit* eingabe = p.rahmen().contestWindow()->eingabe();
        eingabe->setFocus();
        QTest::keyClicks(eingabe, u"dl1abc jo31bc"_s);
        QTest::keyClick(eingabe, Qt::Key_Return);
        const QString winkel = model.felder().txtWinkel;
        QVERIFY(!winkel.isEmpty());
        // The notes on the missing reference files took the activation along.
        p.rahmen().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.rahmen()));
        eingabe->setFocus();
        QTest::keyClick(eingabe, Qt::Key_F5);
        QCOMPARE(p.rahmen().statusText(), u"Antenne dreht auf %1°"_s.arg(winkel));
        QTRY_COMPARE_WITH_TIMEOUT(statusText(p, u"StatusBar1Rotor"_s), u"Rotor %1°"_s.arg(winkel), 60000);
        QCOMPARE(eingabe->text(), QString());
        // Turning the antenna asked nothing.
        QCOMPARE(p.antworten.titel.count(u"Frage"_s) + p.antworten.titel.count(u"Fehler"_s), 0);
    }

    void missingDaemonsShowATextAndNoBox()
    {
        const quint16 frei = test::freierPort();
        test::LaufendesProgramm p([&](Settings& s) { einschalten(s, frei, frei); });
        QTRY_COMPARE_WITH_TIMEOUT(statusText(p, u"StatusBar1Rotor"_s), u"Rotor nicht erreichbar"_s, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(
            statusText(p, u"StatusBar1Transceiver"_s), u"Transceiver nicht erreichbar"_s, 10000);
        p.rahmen().befehle()[Befehl::AntenneDrehen].trigger();
        QCOMPARE(p.rahmen().statusText(), u"Kein Winkel: erst einen Locator eingeben"_s);
        // Only the start's information box was shown.
        QVERIFY(!p.antworten.titel.contains(u"Fehler"_s));
        QVERIFY(p.antworten.titel.size() <= 1);
    }

    void bothOffShowNothing()
    {
        test::LaufendesProgramm p;
        QCOMPARE(statusText(p, u"StatusBar1Rotor"_s), QString());
        QCOMPARE(statusText(p, u"StatusBar1Transceiver"_s), QString());
        p.rahmen().befehle()[Befehl::AntenneDrehen].trigger();
        QVERIFY(p.rahmen().statusText().startsWith(u"Der Rotor ist nicht eingeschaltet"_s));
    }

    void theSettingsFormShowsTheDaemonsAnswerAndReturnsItsFields()
    {
        test::HamlibDaemon rotctld(u"rotctld"_s);
        if (!rotctld.läuft())
            QSKIP(qPrintable(rotctld.grund()));
        StationsEinstellungen e;
        e.rotorPort = rotctld.port();
        e.transceiverPort = test::freierPort();
        StationsDialog dialog(e);
        dialog.findChild<QPushButton*>(u"cmdRotorPruefen"_s)->click();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.antwort(true)->text(), u"Rotor antwortet: „Dummy rotator“"_s, 10000);
        dialog.findChild<QPushButton*>(u"cmdTransceiverPruefen"_s)->click();
        QTRY_COMPARE_WITH_TIMEOUT(
            dialog.antwort(false)->text(), u"Transceiver nicht erreichbar: Verbindung abgelehnt"_s, 10000);
        QCOMPARE(dialog.einstellungen(), e);
    }
};

QTEST_MAIN(StationsanschlussTest)
#include "StationsanschlussTest.moc"
