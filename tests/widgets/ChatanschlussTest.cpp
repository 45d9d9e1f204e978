// The KST chat and the DX cluster wired into the running program: the windows
// open from their commands, a station taken from either lands in the input
// line with the focus, and a dropped session is a status line, never a box.
#include "chat/ChatDialog.h"
#include "chat/ChatEinstellungen.h"
#include "chat/ChatWindow.h"
#include "chat/ClusterWindow.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/InputLineEdit.h"
#include "support/LaufendesProgramm.h"
#include "support/TelnetTestServer.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;
using S = test::TelnetTestServer;

namespace {

QList<S::Schritt> chatSitzung()
{
    return {
        S::senden("Login: "),
        S::erwarten("DL0XX"),
        S::senden("Password: "),
        S::erwarten("geheim"),
        S::senden("Your choice           : "),
        S::erwarten("2"),
        S::erwarten("/SH US"),
        S::senden("OK1KKW   JO60RN  Team Kladno\r\nG4XYZ    IO91AB  Bob\r\n"),
        S::senden("1342Z OK1KKW Team Kladno> (DL0XX) sked 144.360?\r\n"),
    };
}

QString status(QWidget* fenster)
{
    return fenster->findChild<QLabel*>(u"lblStatus"_s)->text();
}

} // namespace

class ChatanschlussTest : public QObject {
    Q_OBJECT
private slots:
    void aUserTakenIntoTheInputLineAndADropIsAStatusLine()
    {
        S chatServer({ chatSitzung(), { S::senden("Login: ") } });
        S cluster({ {
            S::senden("Please enter your call: "),
            S::erwarten("DL0XX"),
            S::senden("DX de PA3ABC:    144300.0  SP3ZZZ       JO62QM<TR>JO82AB      1401Z\r\n"),
        } });
        test::LaufendesProgramm p([&](Settings& s) {
            ChatEinstellungen e = ChatEinstellungen::laden(s);
            e.chatServer = e.clusterServer = u"127.0.0.1"_s;
            e.chatPort = chatServer.port();
            e.clusterPort = cluster.port();
            e.passwort = u"geheim"_s;
            e.speichern(s);
        });
        QVERIFY(p.bereit());
        const qsizetype boxen = p.antworten.titel.size();

        p.rahmen().befehle()[Befehl::KstChat].trigger();
        auto* chat = p.rahmen().findChild<ChatWindow*>();
        QVERIFY(chat != nullptr);
        QVERIFY(chat->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(chat->nutzer()->model()->rowCount(), 2, 10000);
        QCOMPARE(status(chat), u"Angemeldet als DL0XX bei 127.0.0.1:%1"_s.arg(chatServer.port()));

        // Farthest first: G4XYZ, then OK1KKW; Enter on the second row.
        chat->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chat));
        chat->nutzer()->setFocus();
        chat->nutzer()->setCurrentIndex(chat->nutzer()->model()->index(1, 0));
        QTest::keyClick(chat->nutzer(), Qt::Key_Return);
        InputLineEdit* eingabe = p.rahmen().contestWindow()->eingabe();
        QCOMPARE(eingabe->text(), u"OK1KKW JO60RN"_s);
        QTRY_VERIFY(eingabe->hasFocus());

        // The operator types on; the chat drops and comes back meanwhile.
        QTest::keyClicks(eingabe, u" 59001"_s);
        chatServer.abschalten();
        QTRY_VERIFY_WITH_TIMEOUT(status(chat).startsWith(u"Verbindung zu 127.0.0.1"_s), 10000);
        QCOMPARE(eingabe->text(), u"OK1KKW JO60RN 59001"_s);
        QVERIFY(eingabe->hasFocus());
        QCOMPARE(p.antworten.titel.size(), boxen);

        p.rahmen().befehle()[Befehl::DxCluster].trigger();
        auto* fenster = p.rahmen().findChild<ClusterWindow*>();
        QVERIFY(fenster != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(fenster->spots()->model()->rowCount(), 1, 10000);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        fenster->spots()->setFocus();
        fenster->spots()->setCurrentIndex(fenster->spots()->model()->index(0, 0));
        const QPoint mitte = fenster->spots()->visualRect(fenster->spots()->currentIndex()).center();
        QTest::mouseClick(fenster->spots()->viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(fenster->spots()->viewport(), Qt::LeftButton, {}, mitte);
        QCOMPARE(eingabe->text(), u"SP3ZZZ JO82AB"_s);
        QCOMPARE(p.antworten.titel.size(), boxen);
    }

    void theSettingsFormGivesBackWhatWasTyped()
    {
        const ChatEinstellungen vorher { u"www.on4kst.info"_s, 23000, 2, {}, {}, {}, 7300, {} };
        ChatDialog d(vorher);
        const auto feld
            = [&](const char16_t* name) { return d.findChild<QLineEdit*>(QString::fromUtf16(name)); };
        QCOMPARE(feld(u"txtPasswort")->echoMode(), QLineEdit::Password);
        QCOMPARE(d.einstellungen(), vorher);
        feld(u"txtRufzeichen")->setText(u" dl0xx/p "_s);
        feld(u"txtPasswort")->setText(u"ge heim"_s);
        feld(u"txtClusterServer")->setText(u" dx.example "_s);
        d.findChild<QSpinBox*>(u"txtRaum"_s)->setValue(3);
        QCOMPARE(d.einstellungen(),
            (ChatEinstellungen {
                u"www.on4kst.info"_s, 23000, 3, u"DL0XX/P"_s, u"ge heim"_s, u"dx.example"_s, 7300, {} }));
    }
};

QTEST_MAIN(ChatanschlussTest)
#include "ChatanschlussTest.moc"
