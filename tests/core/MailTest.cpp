#include "common/TextFile.h"
#include "logout/CurlMailSender.h"
#include "logout/MailEinstellungen.h"
#include "logout/MailVersand.h"
#include "logout/Postausgang.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"
#include "support/SmtpTestServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QTimer>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kExp = u"144MHz-052002-DL1ABC.EXP"_s;

// Queued signals need an event loop in the test process.
void sicherstellenApp()
{
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv);
}

class MailTest : public ::testing::Test {
protected:
    MailTest()
    {
        sicherstellenApp();
        writeTextFile(kExp, {u"*** Tarvex V3 Exportdatei ***"_s, u"DL1ABC"_s, u"JO62QM"_s, u"144MHz"_s,
                             u"200205"_s, u"06.05.02,12:34,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,Österreich"_s});
        konto.server = u"127.0.0.1"_s;
        konto.port = port;
        konto.verschlüsselung = MailKonto::Verschlüsselung::Keine;
        konto.benutzer = u"dl1abc"_s;
        konto.passwort = u"geh eim!"_s;
        konto.absender = u"dl1abc@example.org"_s;
        konto.empfänger = u"log@qq9qq.example"_s;
        konto.caDatei = test::SmtpTestServer::zertifikat();
        MailEinstellungen::schreiben(settings, konto);
    }

    // Runs the event loop until the operator has been told the result.
    bool warteAufBericht(MailVersand& versand)
    {
        QEventLoop loop;
        bool ok = false;
        bool berichtet = false;
        QObject::connect(&versand, &MailVersand::reported, &loop, [&](bool r) {
            ok = r;
            berichtet = true;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(berichtet);
        return ok;
    }

    QStringList serverArgs(const QString& tls = u"keine"_s)
    {
        return {u"--user"_s, u"dl1abc"_s, u"--password"_s, u"geh eim!"_s, u"--tls"_s, tls, u"--cert"_s,
                test::SmtpTestServer::zertifikat(), u"--key"_s, test::SmtpTestServer::schlüssel()};
    }

    QString serverOrdner() { return dir.pfad(u"server"_s); }

    test::WorkDir dir;
    Settings settings{dir.pfad(u"CONTEST.ini"_s)};
    test::ScriptedPrompter prompter;
    test::FixedClock clock;
    CurlMailSender curl;
    int port = test::SmtpTestServer::freierPort();
    MailKonto konto;
};

TEST_F(MailTest, DeliversTheExchangeFileWithSignOnForEachEncryption)
{
    struct Fall {
        MailKonto::Verschlüsselung art;
        QString tls;
    };
    const Fall fälle[] = {{MailKonto::Verschlüsselung::Keine, u"keine"_s},
                          {MailKonto::Verschlüsselung::StartTls, u"starttls"_s},
                          {MailKonto::Verschlüsselung::SslTls, u"smtps"_s}};
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.tls.toStdString());
        const int p = test::SmtpTestServer::freierPort();
        konto.port = p;
        konto.verschlüsselung = f.art;
        MailEinstellungen::schreiben(settings, konto);
        const QString ordner = serverOrdner() + f.tls;
        test::SmtpTestServer server(p, ordner, serverArgs(f.tls));
        prompter.vergiss();

        MailVersand versand(settings, curl, prompter, clock);
        ASSERT_TRUE(versand.eMailSenden(kExp));
        EXPECT_TRUE(warteAufBericht(versand));
        EXPECT_EQ(prompter.texte(), QStringList{u"Die E-Mail an QQ9QQ wurde gesendet."_s});
        EXPECT_EQ(versand.wartend(), 0);

        ASSERT_EQ(server.empfangen(), 1);
        const QJsonObject n = server.nachricht(1);
        EXPECT_EQ(n[u"mail_from"_s].toString(), u"dl1abc@example.org"_s);
        EXPECT_EQ(n[u"rcpt_tos"_s].toArray(), QJsonArray{u"log@qq9qq.example"_s});
        EXPECT_EQ(n[u"to"_s].toString(), u"QQ9QQ <log@qq9qq.example>"_s);
        EXPECT_EQ(n[u"subject"_s].toString(), u"Tarvex Log-Datei"_s);
        EXPECT_EQ(n[u"text"_s].toString(), u"Tarvex Log-Datei"_s);
        EXPECT_EQ(n[u"attachments"_s].toArray(), QJsonArray{kExp});
        EXPECT_TRUE(n[u"authenticated"_s].toBool());
        EXPECT_EQ(n[u"tls"_s].toBool(), f.tls != u"keine"_s);
        EXPECT_EQ(server.anhang(1), test::dateiInhalt(kExp));
    }
}

TEST_F(MailTest, AMessageThatCannotGoOutStaysInTheOutboxAndIsDeliveredOnceLater)
{
    struct Fall {
        QString name;
        QStringList serverVorher; // empty: nothing listens at the first attempt
        QString grund;
    };
    const QList<Fall> fälle = {
        {u"refused"_s, {}, u"Keine Verbindung zum Mailserver 127.0.0.1 (Port %1)."_s},
        {u"451"_s, {u"--refuse-first"_s},
         u"Der Mailserver 127.0.0.1 hat die Nachricht nicht angenommen (Antwort 451)."_s},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name.toStdString());
        const int p = test::SmtpTestServer::freierPort();
        konto.port = p;
        MailEinstellungen::schreiben(settings, konto);
        prompter.vergiss();
        const QString ordner = serverOrdner() + f.name;
        std::optional<test::SmtpTestServer> server;
        if (!f.serverVorher.isEmpty())
            server.emplace(p, ordner, serverArgs() + f.serverVorher);
        {
            MailVersand versand(settings, curl, prompter, clock);
            ASSERT_TRUE(versand.eMailSenden(kExp));
            EXPECT_FALSE(warteAufBericht(versand));
            ASSERT_EQ(prompter.gezeigt().size(), 1);
            EXPECT_EQ(prompter.gezeigt()[0].titel, u"Fehler"_s);
            EXPECT_EQ(prompter.gezeigt()[0].text,
                      u"Die E-Mail konnte nicht gesendet werden: "_s
                          + (f.grund.contains(u"%1"_s) ? f.grund.arg(p) : f.grund)
                          + u"\nDie E-Mail bleibt im Postausgang und wird beim nächsten Programmstart oder mit "
                            u"„Postausgang senden“ (Menü „Optionen“) erneut gesendet."_s);
            EXPECT_EQ(versand.wartend(), 1);
        }
        if (!server)
            server.emplace(p, ordner, serverArgs());
        // The next start sends it, and only once.
        MailVersand versand(settings, curl, prompter, clock);
        versand.beimStartSenden();
        EXPECT_TRUE(warteAufBericht(versand));
        EXPECT_EQ(prompter.texte().last(), u"Die E-Mail an QQ9QQ wurde gesendet."_s);
        versand.postausgangSenden();
        EXPECT_EQ(prompter.texte().last(), u"Der Postausgang ist leer."_s);
        EXPECT_EQ(server->empfangen(), 1);
        EXPECT_EQ(server->anhang(1), test::dateiInhalt(kExp));
    }
}

TEST_F(MailTest, AWrongPasswordIsReportedAndKeepsTheMessage)
{
    test::SmtpTestServer server(port, serverOrdner(), serverArgs());
    konto.passwort = u"falsch"_s;
    MailEinstellungen::schreiben(settings, konto);
    MailVersand versand(settings, curl, prompter, clock);
    ASSERT_TRUE(versand.eMailSenden(kExp));
    EXPECT_FALSE(warteAufBericht(versand));
    EXPECT_TRUE(prompter.texte().last().startsWith(
        u"Die E-Mail konnte nicht gesendet werden: Der Mailserver 127.0.0.1 hat die Anmeldung abgelehnt. "
        u"Bitte Benutzername und Passwort prüfen.\n"_s));
    EXPECT_FALSE(prompter.texte().last().contains(u"falsch"_s));
    EXPECT_EQ(versand.wartend(), 1);
    EXPECT_EQ(server.empfangen(), 0);
}

TEST_F(MailTest, SendingNeverWaitsForTheServerAndRequestsDuringATransferFollowIt)
{
    test::SmtpTestServer server(port, serverOrdner(), serverArgs() + QStringList{u"--hold"_s});
    MailVersand versand(settings, curl, prompter, clock);
    ASSERT_TRUE(versand.eMailSenden(kExp));
    // Back in the window while the server has not answered yet.
    EXPECT_TRUE(versand.sendetGerade());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    ASSERT_TRUE(versand.eMailSenden(kExp));
    server.freigeben();
    EXPECT_TRUE(warteAufBericht(versand));
    EXPECT_EQ(prompter.texte(), QStringList{u"2 E-Mails an QQ9QQ wurden gesendet."_s});
    EXPECT_EQ(server.empfangen(), 2);
    EXPECT_FALSE(versand.sendetGerade());
}

TEST_F(MailTest, WithoutServerOrAddressesNothingIsFiled)
{
    konto.server.clear();
    konto.empfänger.clear();
    MailEinstellungen::schreiben(settings, konto);
    MailVersand versand(settings, curl, prompter, clock);
    EXPECT_FALSE(versand.eMailSenden(kExp));
    EXPECT_EQ(prompter.texte(),
              QStringList{u"Für den E-Mail-Versand fehlen Angaben (Mailserver, Empfängeradresse). Bitte unter "
                          u"„Optionen“, „E-Mail-Einstellungen“ eintragen.\nDie EXP-Datei "
                          u"144MHz-052002-DL1ABC.EXP wurde nicht gesendet."_s});
    EXPECT_EQ(versand.wartend(), 0);
}

TEST_F(MailTest, SettingsRoundTripOwnerOnlyAndChecks)
{
    EXPECT_EQ(MailEinstellungen::lesen(settings), konto);
    EXPECT_EQ(QFile::permissions(settings.dateiname()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());

    struct Fall {
        void (*ändern)(MailKonto&);
        const char16_t* meldung;
    };
    const Fall fälle[] = {
        {[](MailKonto&) {}, u""},
        {[](MailKonto& k) { k.server = u"smtp://x"_s; }, u"Bitte den Mailserver ohne Leerzeichen und ohne „/“ eingeben, z. B. smtp.example.org."},
        {[](MailKonto& k) { k.port = 0; }, u"Der Port muss eine Zahl von 1 bis 65535 sein."},
        {[](MailKonto& k) { k.absender = u"dl1abc"_s; }, u"Die Absenderadresse „dl1abc“ ist keine E-Mail-Adresse."},
        {[](MailKonto& k) { k.empfänger = u"a@b"_s; }, u"Die Empfängeradresse „a@b“ ist keine E-Mail-Adresse."},
        {[](MailKonto& k) { k.benutzer.clear(); }, u"Zum Passwort fehlt der Benutzername."},
    };
    for (const Fall& f : fälle) {
        MailKonto k = konto;
        f.ändern(k);
        EXPECT_EQ(MailEinstellungen::prüfen(k), QString::fromUtf16(f.meldung));
    }
}

} // namespace
} // namespace tarvex
