#include "common/AtomicTextFile.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "mail/CurlMailSender.h"
#include "mail/MailEinstellungen.h"
#include "mail/MailVersand.h"
#include "mail/MimeNachricht.h"
#include "mail/Postausgang.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"
#include "support/SmtpTestServer.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QTimer>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kExp = u"144MHz-052002-DL1ABC.EXP"_s;

class MailTest : public ::testing::Test {
protected:
    MailTest()
    {
        test::sicherstellenApp();
        writeTextFile(kExp,
            { u"*** Tarvex V3 Exportdatei ***"_s, u"DL1ABC"_s, u"JO62QM"_s, u"144MHz"_s, u"200205"_s,
                u"06.05.02,12:34,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,Österreich"_s });
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
        return { u"--user"_s, u"dl1abc"_s, u"--password"_s, u"geh eim!"_s, u"--tls"_s, tls, u"--cert"_s,
            test::SmtpTestServer::zertifikat(), u"--key"_s, test::SmtpTestServer::schlüssel() };
    }

    QString serverOrdner() { return dir.pfad(u"server"_s); }

    test::WorkDir dir;
    Settings settings { dir.pfad(u"CONTEST.ini"_s) };
    test::ScriptedPrompter prompter;
    test::FixedClock clock;
    CurlMailSender curl;
    int port = test::freierPort();
    MailKonto konto;
};

TEST_F(MailTest, DeliversTheExchangeFileWithSignOnForEachEncryption)
{
    struct Fall {
        MailKonto::Verschlüsselung art;
        QString tls;
    };
    // Plain delivery is what the outbox test below ends with.
    const Fall fälle[] = { { MailKonto::Verschlüsselung::StartTls, u"starttls"_s },
        { MailKonto::Verschlüsselung::SslTls, u"smtps"_s } };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.tls.toStdString());
        const int p = test::freierPort();
        konto.port = p;
        konto.verschlüsselung = f.art;
        MailEinstellungen::schreiben(settings, konto);
        const QString ordner = serverOrdner() + f.tls;
        test::SmtpTestServer server(p, ordner, serverArgs(f.tls));
        prompter.vergiss();

        MailVersand versand(settings, curl, prompter, clock);
        ASSERT_TRUE(versand.eMailSenden(kExp));
        EXPECT_TRUE(warteAufBericht(versand));
        EXPECT_EQ(prompter.texte(), QStringList { u"Die E-Mail an QQ9QQ wurde gesendet."_s });
        EXPECT_EQ(versand.wartend(), 0);

        ASSERT_EQ(server.empfangen(), 1);
        const QJsonObject n = server.nachricht(1);
        EXPECT_EQ(n[u"mail_from"_s].toString(), u"dl1abc@example.org"_s);
        EXPECT_EQ(n[u"rcpt_tos"_s].toArray(), QJsonArray { u"log@qq9qq.example"_s });
        EXPECT_EQ(n[u"to"_s].toString(), u"QQ9QQ <log@qq9qq.example>"_s);
        EXPECT_EQ(n[u"subject"_s].toString(), u"Tarvex Log-Datei"_s);
        EXPECT_EQ(n[u"text"_s].toString(), u"Tarvex Log-Datei"_s);
        EXPECT_EQ(n[u"attachments"_s].toArray(), QJsonArray { kExp });
        EXPECT_TRUE(n[u"authenticated"_s].toBool());
        EXPECT_TRUE(n[u"tls"_s].toBool());
        EXPECT_EQ(server.anhang(1), test::dateiInhalt(kExp));
    }
}

// The reason is told, the message stays in the outbox and the next start
// delivers it, once.
TEST_F(MailTest, AFailureIsToldAndTheNextStartDeliversTheMessageOnce)
{
    const QString richtig = konto.passwort;
    const struct {
        const char* name;
        bool lauscht;
        QStringList extra;
        QString passwort, grund;
    } fälle[] = {
        { "refused", false, {}, richtig, u"Keine Verbindung zum Mailserver 127.0.0.1 (Port"_s },
        { "451", true, { u"--refuse-first"_s }, richtig, u"nicht angenommen (Antwort 451)"_s },
        { "password", true, {}, u"falsch"_s, u"hat die Anmeldung abgelehnt"_s },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        konto.port = test::freierPort();
        konto.passwort = f.passwort;
        MailEinstellungen::schreiben(settings, konto);
        prompter.vergiss();
        const QString ordner = serverOrdner() + QString::fromLatin1(f.name);
        std::optional<test::SmtpTestServer> server;
        if (f.lauscht)
            server.emplace(konto.port, ordner, serverArgs() + f.extra);
        {
            MailVersand versand(settings, curl, prompter, clock);
            ASSERT_TRUE(versand.eMailSenden(kExp));
            EXPECT_FALSE(warteAufBericht(versand));
            const QString text = prompter.einzige().text;
            EXPECT_TRUE(text.startsWith(u"Die E-Mail konnte nicht gesendet werden: "_s))
                << text.toStdString();
            EXPECT_TRUE(text.contains(f.grund)) << text.toStdString();
            EXPECT_TRUE(text.contains(u"bleibt im Postausgang"_s)) << text.toStdString();
            EXPECT_FALSE(text.contains(u"falsch"_s));
            EXPECT_EQ(versand.wartend(), 1);
        }
        konto.passwort = richtig;
        MailEinstellungen::schreiben(settings, konto);
        if (!server)
            server.emplace(konto.port, ordner, serverArgs());
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

TEST_F(MailTest, SendingNeverWaitsForTheServerAndRequestsDuringATransferFollowIt)
{
    test::SmtpTestServer server(port, serverOrdner(), serverArgs() + QStringList { u"--hold"_s });
    MailVersand versand(settings, curl, prompter, clock);
    ASSERT_TRUE(versand.eMailSenden(kExp));
    // Back in the window while the server has not answered yet.
    EXPECT_TRUE(versand.sendetGerade());
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    ASSERT_TRUE(versand.eMailSenden(kExp));
    server.freigeben();
    EXPECT_TRUE(warteAufBericht(versand));
    EXPECT_EQ(prompter.texte(), QStringList { u"2 E-Mails an QQ9QQ wurden gesendet."_s });
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
    const QString text = prompter.einzige().text;
    EXPECT_TRUE(text.startsWith(u"Für den E-Mail-Versand fehlen Angaben (Mailserver, Empfängeradresse)."_s));
    EXPECT_TRUE(text.endsWith(u"144MHz-052002-DL1ABC.EXP wurde nicht gesendet."_s));
    EXPECT_EQ(versand.wartend(), 0);
}

// A message the disk may not keep is not reported as filed: the operator is
// told, and nothing (not even a hidden file) is left in the outbox.
TEST_F(MailTest, AMessageThatCannotBeSyncedIsNotFiled)
{
    int syncs = 0;
    AtomicTextFile::setSystemaufrufe({ {},
        [&](int) {
            ++syncs;
            errno = EIO;
            return -1;
        },
        {} });
    MailVersand versand(settings, curl, prompter, clock);
    const bool abgelegt = versand.eMailSenden(kExp);
    AtomicTextFile::setSystemaufrufe({});
    EXPECT_FALSE(abgelegt);
    EXPECT_EQ(syncs, 1);
    const Meldung m = prompter.einzige();
    const QString text = m.text;
    EXPECT_EQ(m.titel, u"Fehler"_s);
    EXPECT_TRUE(text.contains(u"Ein-/Ausgabefehler des Datenträgers"_s)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"Die E-Mail wurde nicht im Postausgang abgelegt und nicht gesendet."_s))
        << text.toStdString();
    EXPECT_EQ(versand.wartend(), 0);
    EXPECT_EQ(QDir(Postausgang::kOrdner).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_FALSE(versand.sendetGerade());
}

// A name with umlauts, quotes and backslashes arrives as it was, read by a
// mail parser of its own; the header lines stay ASCII and short.
TEST_F(MailTest, AttachmentNamesAreEncodedAndArriveUnchanged)
{
    const QString name = u"Grüße \"Ä\\Ö\" äöüß ÄÖÜ éñ 144MHz-052002-DL1ABC 10GHz-052002-DL1ABC.EXP"_s;
    QFile::copy(kExp, name);
    test::SmtpTestServer server(port, serverOrdner(), serverArgs());
    MailVersand versand(settings, curl, prompter, clock);
    ASSERT_TRUE(versand.eMailSenden(name));
    EXPECT_TRUE(warteAufBericht(versand));
    ASSERT_EQ(server.empfangen(), 1);
    const QJsonObject n = server.nachricht(1);
    EXPECT_EQ(n[u"attachments"_s].toArray(), QJsonArray { name });
    EXPECT_EQ(n[u"to"_s].toString(), u"QQ9QQ <log@qq9qq.example>"_s);
    EXPECT_EQ(server.anhang(1), test::dateiInhalt(kExp));

    const QByteArray m = MimeNachricht::erstellen(konto.absender, konto.empfänger, name, "x", clock.jetzt());
    for (const QByteArray& zeile : m.left(m.lastIndexOf("\r\n\r\n")).split('\n')) {
        EXPECT_LE(zeile.size(), 78) << zeile.toStdString();
        for (const char c : zeile)
            EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << zeile.toStdString();
    }
    EXPECT_EQ(MimeNachricht::umschlag(m).an, konto.empfänger);
}

// A line break typed into the settings file by hand must not add a header
// line (a Bcc:): the mail is refused with the reason, nothing is filed.
TEST_F(MailTest, LineBreaksInAddressesAndNamesAreRefused)
{
    const struct {
        const char* fall;
        QString absender, empfänger, anhang;
        const char16_t* grund;
    } fälle[] = {
        { "Absender", u"dl1abc@example.org\r\nBcc: x@example.org"_s, konto.empfänger, kExp,
            u"Die Absenderadresse enthält einen Zeilenumbruch" },
        { "Empfänger", konto.absender, u"log@qq9qq.example\nBcc: x@example.org"_s, kExp,
            u"Die Empfängeradresse enthält einen Zeilenumbruch" },
        { "Anhang", konto.absender, konto.empfänger, u"A.EXP\r\nBcc: x@example.org"_s,
            u"Der Name der angehängten Datei enthält einen Zeilenumbruch" },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        const QString grund = QString::fromUtf16(f.grund);
        try {
            MimeNachricht::erstellen(f.absender, f.empfänger, f.anhang, "x", clock.jetzt());
            ADD_FAILURE() << "nicht abgelehnt";
        } catch (const UserError& e) {
            EXPECT_TRUE(e.meldung().startsWith(grund)) << e.meldung().toStdString();
        }
        MailKonto k = konto;
        k.absender = f.absender;
        k.empfänger = f.empfänger;
        MailEinstellungen::schreiben(settings, k);
        writeTextFile(f.anhang, { u"*** Tarvex V3 Exportdatei ***"_s });
        prompter.vergiss();
        MailVersand versand(settings, curl, prompter, clock);
        EXPECT_FALSE(versand.eMailSenden(f.anhang));
        const QString text = prompter.einzige().text;
        EXPECT_TRUE(text.startsWith(grund)) << text.toStdString();
        EXPECT_EQ(versand.wartend(), 0);
    }
}

TEST_F(MailTest, SettingsRoundTripOwnerOnlyAndChecks)
{
    EXPECT_EQ(MailEinstellungen::lesen(settings), konto);
    EXPECT_EQ(QFile::permissions(settings.dateiname()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
        QFileDevice::Permissions());

    const struct {
        void (*ändern)(MailKonto&);
        const char16_t* stichwort; // empty: no complaint
    } fälle[] = {
        { [](MailKonto&) {}, u"" },
        { [](MailKonto& k) { k.server = u"smtp://x"_s; }, u"Mailserver ohne Leerzeichen und ohne „/“" },
        { [](MailKonto& k) { k.port = 0; }, u"Port muss eine Zahl von 1 bis 65535" },
        { [](MailKonto& k) { k.absender = u"dl1abc"_s; }, u"Absenderadresse „dl1abc“ ist keine" },
        { [](MailKonto& k) { k.empfänger = u"a@b"_s; }, u"Empfängeradresse „a@b“ ist keine" },
        { [](MailKonto& k) { k.benutzer.clear(); }, u"Zum Passwort fehlt der Benutzername." },
    };
    for (const auto& f : fälle) {
        MailKonto k = konto;
        f.ändern(k);
        const QString stichwort = QString::fromUtf16(f.stichwort), meldung = MailEinstellungen::prüfen(k);
        EXPECT_TRUE(stichwort.isEmpty() ? meldung.isEmpty() : meldung.contains(stichwort))
            << meldung.toStdString();
    }
}

} // namespace
} // namespace tarvex
