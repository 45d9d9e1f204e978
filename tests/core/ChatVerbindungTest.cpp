#include "chat/ChatEinstellungen.h"
#include "chat/ChatModel.h"
#include "chat/ClusterModel.h"
#include "chat/TelnetVerbindung.h"
#include "entry/Locator.h"
#include "support/ContestFixture.h"
#include "support/HamlibDaemon.h"
#include "support/TelnetTestServer.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::TelnetTestServer;
using test::warteBis;
using S = TelnetTestServer;
using Z = TelnetVerbindung::Zustand;

// Short pauses, so a reconnect happens within a test's patience.
constexpr TelnetZeiten kZeiten { 1000, 50, 200, 3 };

// The chat's sign-on as its telnet access shows it: negotiation, prompts
// without line end, the room menu.
QList<S::Schritt> anmeldung()
{
    return {
        S::senden("\xff\xfb\x01\xff\xfb\x03Welcome to ON4KST chat\r\nLogin: "),
        S::erwarten("DL0XX"),
        S::senden("Password: "),
        S::erwarten("geheim"),
        S::senden("1 - 50/70 MHz\r\n2 - 144/432 MHz\r\n3 - Microwave\r\nYour choice           : "),
        S::erwarten("2"),
        S::senden("Hello DL0XX, you are in the 144/432 MHz room\r\n"),
        S::erwarten("/SH US"),
    };
}

QList<S::Schritt> nutzerliste()
{
    return {
        S::senden("Users in this room:\r\n"),
        S::senden("OK1KKW   JO60RN  Team Kladno\r\nDL1ABC   JO62QM  Hans\r\nG4XYZ    IO91AB  Bob\r\n"),
        S::senden("SP3ZZZ\r\n"),
        S::senden("4 users\r\n"),
    };
}

class ChatVerbindungTest : public test::ContestFixture {
protected:
    ChatVerbindungTest()
    {
        test::sicherstellenApp();
        ChatEinstellungen e = ChatEinstellungen::laden(settings);
        e.chatServer = u"127.0.0.1"_s;
        e.passwort = u"geheim"_s;
        e.clusterServer = u"127.0.0.1"_s;
        e.speichern(settings);
    }
    void ports(quint16 chat, quint16 cluster)
    {
        ChatEinstellungen e = ChatEinstellungen::laden(settings);
        e.chatPort = chat;
        e.clusterPort = cluster;
        e.speichern(settings);
    }
};

TEST_F(ChatVerbindungTest, SignsOnAndListsUsersWithDistanceAndWorkedMark)
{
    logge(u"dl1abc jo62qm 59012"_s);
    QList<S::Schritt> s = anmeldung() + nutzerliste();
    s.append(S::senden("1342Z OK1KKW Team Kladno> (DL0XX) sked 144.360?\r\n"));
    s.append(S::senden("1343Z PA3NEW Piet> cq from JO21\r\n"));
    TelnetTestServer server({ s });
    ports(server.port(), 1);
    ChatModel chat(model, kZeiten);
    QStringList erwähnungen;
    QObject::connect(&chat, &ChatModel::mentioned, [&](const QString& z) { erwähnungen.append(z); });
    chat.verbinden();

    ASSERT_TRUE(warteBis([&] { return server.amEnde() && chat.nutzer().rowCount() == 5; }))
        << chat.status().toStdString() << server.empfangen().join(u'|').toStdString();
    EXPECT_EQ(server.empfangen(), (QStringList { u"DL0XX"_s, u"geheim"_s, u"2"_s, u"/SH US"_s }));
    EXPECT_EQ(server.verweigert(), QByteArray("\xff\xfe\x01\xff\xfe\x03"));
    EXPECT_EQ(chat.verbindung().zustand(), Z::Angemeldet);
    EXPECT_EQ(chat.status(), u"Angemeldet als DL0XX bei 127.0.0.1:%1"_s.arg(server.port()));

    // Farthest first, then the stations without locator by call.
    QStringList calls;
    for (const ChatNutzer& n : chat.nutzer().nutzer())
        calls.append(n.call);
    EXPECT_EQ(calls, (QStringList { u"G4XYZ"_s, u"DL1ABC"_s, u"OK1KKW"_s, u"PA3NEW"_s, u"SP3ZZZ"_s }));
    const ChatNutzer& ok = chat.nutzer().nutzer().at(2);
    const Strecke st = Abstand(u"JO31AA"_s, u"JO60RN"_s);
    EXPECT_EQ(ok.km, st.km);
    EXPECT_EQ(ok.winkel, st.winkel);
    EXPECT_EQ(ok.name, u"Team Kladno"_s);
    EXPECT_FALSE(ok.gearbeitet);
    EXPECT_TRUE(chat.nutzer().nutzer().at(1).gearbeitet);
    EXPECT_EQ(chat.nutzer().nutzer().at(3).km, -1);

    chat.setSortierung(NutzerTabelle::Sortierung::Rufzeichen);
    EXPECT_EQ(chat.nutzer().nutzer().front().call, u"DL1ABC"_s);
    const auto ü = chat.übernahme(0);
    ASSERT_TRUE(ü);
    EXPECT_EQ((QStringList { ü->call, ü->locator }), (QStringList { u"DL1ABC"_s, u"JO62QM"_s }));

    // Saving a contact marks the station; another band shows its own marks.
    logge(u"ok1kkw jo60rn 59013"_s);
    EXPECT_TRUE(chat.nutzer().nutzer().at(chat.nutzer().zeileVon(u"OK1KKW"_s)).gearbeitet);
    model.bandWechseln(u"432MHz"_s);
    for (const ChatNutzer& n : chat.nutzer().nutzer())
        EXPECT_FALSE(n.gearbeitet) << n.call.toStdString();

    ASSERT_EQ(erwähnungen.size(), 1);
    const Verlauf& v = chat.verlauf();
    ASSERT_GE(v.rowCount(), 2);
    EXPECT_EQ(v.text(v.rowCount() - 2), u"1342Z OK1KKW Team Kladno> (DL0XX) sked 144.360?"_s);
    EXPECT_TRUE(v.erwähnt(v.rowCount() - 2));
    EXPECT_FALSE(v.erwähnt(v.rowCount() - 1));
    // The prompts were answered, never shown; the password never appears.
    for (int i = 0; i < v.rowCount(); ++i) {
        EXPECT_FALSE(v.text(i).contains(u"Login"_s)) << v.text(i).toStdString();
        EXPECT_FALSE(v.text(i).contains(u"geheim"_s));
    }

    EXPECT_TRUE(chat.senden(u"/CQ OK1KKW ok 144.360"_s));
    ASSERT_TRUE(warteBis([&] { return server.empfangen().size() == 5; }));
    EXPECT_EQ(server.empfangen().back(), u"/CQ OK1KKW ok 144.360"_s);
}

TEST_F(ChatVerbindungTest, ReconnectsAfterADropAndGivesUpWhenTheServerIsGone)
{
    QList<S::Schritt> erste = anmeldung();
    erste.append(S::senden("1342Z OK1KKW Team Kladno> first\r\n"));
    erste.append(S::schliessen());
    QList<S::Schritt> zweite = anmeldung();
    zweite.append(S::senden("1350Z OK1KKW Team Kladno> second\r\n"));
    TelnetTestServer server({ erste, zweite });
    ports(server.port(), 1);
    ChatModel chat(model, kZeiten);
    QStringList zustände;
    QObject::connect(&chat, &ChatModel::statusChanged, [&] { zustände.append(chat.status()); });
    chat.verbinden();

    ASSERT_TRUE(warteBis([&] { return server.verbindungen() == 2 && server.amEnde(); }));
    ASSERT_TRUE(warteBis([&] {
        return chat.verlauf().rowCount() > 0
            && chat.verlauf().text(chat.verlauf().rowCount() - 1).endsWith(u"second"_s);
    }));
    EXPECT_TRUE(zustände.contains(
        u"Verbindung zu 127.0.0.1:%1 unterbrochen (vom Server getrennt) – neuer Versuch in 1 s"_s.arg(
            server.port())))
        << zustände.join(u'\n').toStdString();
    EXPECT_EQ(chat.verbindung().zustand(), Z::Angemeldet);

    // The server goes away for good: three attempts, then it stops trying.
    const quint16 port = server.port();
    server.abschalten();
    ASSERT_TRUE(warteBis([&] { return chat.verbindung().zustand() == Z::Aufgegeben; }, 15000))
        << chat.status().toStdString();
    EXPECT_EQ(chat.status(),
        u"Keine Verbindung zu 127.0.0.1:%1 (Verbindung abgelehnt) – „Verbinden“ versucht es erneut"_s.arg(
            port));
}

TEST_F(ChatVerbindungTest, ArrivalsJoinAndTheNextListReplacesTheUsers)
{
    QList<S::Schritt> s = anmeldung() + nutzerliste();
    s.append(S::senden("PA3NEW   JO21AB  Piet\r\n"));
    s.append(S::erwarten("/SH US"));
    s.append(
        S::senden("Users in this room:\r\nPA3NEW   JO21AB  Piet\r\nOK1KKW   JO60RN  Team\r\n2 users\r\n"));
    TelnetTestServer server({ s });
    ports(server.port(), 1);
    ChatModel chat(model, kZeiten);
    chat.verbinden();
    ASSERT_TRUE(warteBis([&] { return chat.nutzer().zeileVon(u"PA3NEW"_s) >= 0; }));
    EXPECT_EQ(chat.nutzer().rowCount(), 5);
    EXPECT_EQ(chat.nutzer().nutzer().at(chat.nutzer().zeileVon(u"PA3NEW"_s)).locator, u"JO21AB"_s);

    ASSERT_TRUE(chat.senden(u"/sh us"_s));
    ASSERT_TRUE(warteBis([&] { return server.amEnde() && chat.nutzer().rowCount() == 2; }))
        << chat.nutzer().rowCount();
    EXPECT_EQ(chat.nutzer().nutzer().at(chat.nutzer().zeileVon(u"OK1KKW"_s)).name, u"Team"_s);
    // The list's last line is the chat's again.
    const Verlauf& v = chat.verlauf();
    ASSERT_TRUE(warteBis([&] { return v.rowCount() > 0 && v.text(v.rowCount() - 1) == u"2 users"_s; }));
}

TEST_F(ChatVerbindungTest, AListWithoutClosingLineIsShownAfterAPause)
{
    QList<S::Schritt> s = anmeldung();
    s.append(S::senden("OK1KKW   JO60RN  Team Kladno\r\nG4XYZ    IO91AB  Bob\r\n"));
    TelnetTestServer server({ s });
    ports(server.port(), 1);
    ChatModel chat(model, kZeiten);
    chat.verbinden();
    ASSERT_TRUE(warteBis([&] { return chat.nutzer().rowCount() == 2; }));
}

TEST(TelnetVerbindung, PausesDoubleUpToTheLongest)
{
    const TelnetZeiten z { 1000, 2000, 60000, 10 };
    const int erwartet[] = { 2000, 4000, 8000, 16000, 32000, 60000, 60000 };
    for (int i = 0; i < int(std::size(erwartet)); ++i)
        EXPECT_EQ(TelnetVerbindung::wartezeit(i, z), erwartet[i]) << i;
}

TEST_F(ChatVerbindungTest, GarbageNeitherStopsNorFloodsTheChat)
{
    QByteArray müll(200000, 'x');
    QRandomGenerator zufall(29);
    for (int i = 0; i < 20000; ++i)
        müll[i] = char(zufall.bounded(256));
    QList<S::Schritt> s = anmeldung();
    s.append(S::senden(müll));
    s.append(S::senden("\r\n\xff\xff\xfa\x18\x01\xff\xf0\r\n1342Z OK1KKW Team Kladno> still here\r\n"));
    TelnetTestServer server({ s });
    ports(server.port(), 1);
    ChatModel chat(model, kZeiten);
    chat.verbinden();
    ASSERT_TRUE(warteBis([&] {
        const int n = chat.verlauf().rowCount();
        return n > 0 && chat.verlauf().text(n - 1) == u"1342Z OK1KKW Team Kladno> still here"_s;
    }));
    for (int i = 0; i < chat.verlauf().rowCount(); ++i)
        EXPECT_LE(chat.verlauf().text(i).size(), TelnetZeilen::kLängste);
    EXPECT_EQ(chat.verbindung().zustand(), Z::Angemeldet);

    // A long contest: the history keeps the newest lines only.
    QByteArray viele;
    for (int i = 0; i < Verlauf::kHöchstens + 500; ++i)
        viele += "1200Z DL1ABC Hans> line " + QByteArray::number(i) + "\r\n";
    server.jetztSenden(viele);
    ASSERT_TRUE(warteBis([&] {
        const int n = chat.verlauf().rowCount();
        return n > 0 && chat.verlauf().text(n - 1).endsWith(u"line %1"_s.arg(Verlauf::kHöchstens + 499));
    }));
    EXPECT_EQ(chat.verlauf().rowCount(), Verlauf::kHöchstens);
    EXPECT_EQ(chat.verlauf().text(0), u"1200Z DL1ABC Hans> line 500"_s);
}

TEST_F(ChatVerbindungTest, ClusterShowsTheSpotsOfTheCurrentBand)
{
    logge(u"dl1abc jo62qm 59012"_s);
    TelnetTestServer server({ {
        S::senden("Hello, this is DB0XYZ DX cluster\r\nPlease enter your call: "),
        S::erwarten("DL0XX"),
        S::senden("DL0XX de DB0XYZ  8-Dec-2026 1400Z >\r\n"),
        S::senden("DX de PA3ABC:    144300.0  OK1KKW       JO60RN<TR>JO70AA tnx       1401Z JO21\r\n"),
        S::senden("DX de PA3ABC:    432210.0  G4XYZ        IO91AB                    1402Z\r\n"),
        S::senden("DX de PA3ABC:    144305.0  DL1ABC       cq                        1403Z\r\n"),
        S::senden("DX de PA3ABC:     14025.0  JA1XYZ       cq                        1404Z\r\n"),
        S::senden("DX de broken line\r\n"),
    } });
    ports(1, server.port());
    ClusterModel cluster(model, kZeiten);
    ASSERT_TRUE(cluster.verbinden());
    ASSERT_TRUE(warteBis([&] { return server.amEnde() && cluster.spots().gespeichert() == 4; }))
        << cluster.status().toStdString();
    EXPECT_EQ(server.empfangen(), QStringList { u"DL0XX"_s });

    SpotTabelle& t = cluster.spots();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ((QStringList { t.gezeigt(0).spot.dxCall, t.gezeigt(1).spot.dxCall }),
        (QStringList { u"DL1ABC"_s, u"OK1KKW"_s }));
    EXPECT_TRUE(t.gezeigt(0).gearbeitet && !t.gezeigt(1).gearbeitet);
    EXPECT_EQ(t.gezeigt(1).km, Abstand(u"JO31AA"_s, u"JO70AA"_s).km);
    EXPECT_EQ(t.data(t.index(1, SpotTabelle::Frequenz)).toString(), u"144,300 MHz"_s);
    const auto ü = cluster.übernahme(1);
    ASSERT_TRUE(ü);
    EXPECT_EQ((QStringList { ü->call, ü->locator }), (QStringList { u"OK1KKW"_s, u"JO70AA"_s }));

    logge(u"ok1kkw jo70aa 59013"_s);
    EXPECT_TRUE(t.gezeigt(1).gearbeitet);
    model.bandWechseln(u"432MHz"_s);
    ASSERT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.gezeigt(0).spot.dxCall, u"G4XYZ"_s);

    // What is not a spot is the cluster's talk, shown below.
    const Verlauf& v = cluster.verlauf();
    ASSERT_GE(v.rowCount(), 3);
    EXPECT_EQ(v.text(v.rowCount() - 1), u"DX de broken line"_s);
}

TEST_F(ChatVerbindungTest, ClusterKeepsABoundedNumberOfSpots)
{
    TelnetTestServer server({ { S::senden("login: "), S::erwarten("DL0XX") } });
    ports(1, server.port());
    ClusterModel cluster(model, kZeiten);
    cluster.verbinden();
    ASSERT_TRUE(warteBis([&] { return server.amEnde(); }));
    QByteArray viele;
    const int n = int(SpotTabelle::kHöchstens) + 300;
    for (int i = 0; i < n; ++i)
        viele += "DX de PA3ABC: " + QByteArray(i % 2 ? "144300.0" : "432200.0") + " DL"
            + QByteArray::number(i % 10) + "AB" + QByteArray(1, char('A' + i % 26)) + " x "
            + QByteArray::number(1000 + i % 59) + "Z\r\n";
    server.jetztSenden(viele);
    ASSERT_TRUE(warteBis([&] { return cluster.spots().gespeichert() == SpotTabelle::kHöchstens; }))
        << cluster.spots().gespeichert() << " " << cluster.verlauf().rowCount() << " "
        << (cluster.verlauf().rowCount() ? cluster.verlauf().text(0).toStdString() : std::string());
    ASSERT_TRUE(warteBis([&] { return cluster.spots().rowCount() == int(SpotTabelle::kHöchstens) / 2; }));
    // The newest first; the oldest shown is the oldest of the band still kept.
    EXPECT_EQ(cluster.spots().gezeigt(0).spot.zeit, u"%1"_s.arg(1000 + (n - 1) % 59));
}

TEST(ChatEinstellungen, DefaultsAndUnusableValues)
{
    test::WorkDir dir;
    const ChatEinstellungen vorgabe { u"www.on4kst.info"_s, 23000, 2, {}, {}, {}, 7300, {} };
    const struct {
        QString schlüssel, wert;
        void (*abweichung)(ChatEinstellungen&);
    } fälle[] = {
        { {}, {}, [](ChatEinstellungen&) {} },
        { u"Port"_s, u"70000"_s, [](ChatEinstellungen&) {} },
        { u"Raum"_s, u"x"_s, [](ChatEinstellungen&) {} },
        { u"Raum"_s, u"3"_s, [](ChatEinstellungen& e) { e.raum = 3; } },
        { u"Rufzeichen"_s, u" dl0xx "_s, [](ChatEinstellungen& e) { e.chatCall = u"DL0XX"_s; } },
        { u"ClusterPort"_s, u"8000"_s, [](ChatEinstellungen& e) { e.clusterPort = 8000; } },
    };
    int i = 0;
    for (const auto& f : fälle) {
        Settings s(dir.pfad(u"C%1.ini"_s.arg(i++)));
        if (!f.schlüssel.isEmpty())
            s.schreiben(u"Chat"_s, f.schlüssel, f.wert);
        ChatEinstellungen erwartet = vorgabe;
        f.abweichung(erwartet);
        EXPECT_EQ(ChatEinstellungen::laden(s), erwartet) << f.schlüssel.toStdString();
    }
    Settings s(dir.pfad(u"R.ini"_s));
    const ChatEinstellungen e { u"chat.example"_s, 1234, 3, u"DL0XX"_s, u"a b"_s, u"dx.example"_s, 7373,
        u"DL0XX"_s };
    e.speichern(s);
    EXPECT_EQ(ChatEinstellungen::laden(Settings(dir.pfad(u"R.ini"_s))), e);
    EXPECT_EQ(
        QFile::permissions(dir.pfad(u"R.ini"_s)) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

} // namespace
} // namespace tarvex
