#include "contest/Digitalbetrieb.h"
#include "digital/WsjtxEmpfang.h"
#include "store/Gueltigkeit.h"
#include "support/ContestFixture.h"
#include "support/HamlibDaemon.h"
#include "support/WsjtxSender.h"

#include <QUdpSocket>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::WsjtxQso;

class DigitalTest : public test::ContestFixture {
protected:
    DigitalTest()
    {
        QObject::connect(
            &betrieb, &Digitalbetrieb::gemeldet, [this](const QString& t) { meldungen.append(t); });
    }

    void senden(const WsjtxQso& q)
    {
        const std::optional<wsjtx::Nachricht> n = wsjtx::lesen(test::qsoNachricht(q));
        ASSERT_TRUE(n);
        betrieb.empfangen(*n);
    }

    static WsjtxQso qso(const QString& call, const QString& grid, int minute = 33)
    {
        WsjtxQso q;
        q.call = call;
        q.grid = grid;
        q.aus.setTime(QTime(14, minute, 15));
        q.rstGesendet = u"59"_s;
        q.rstErhalten = u"57"_s;
        return q;
    }

    Digitalbetrieb betrieb { model, fragen };
    QStringList meldungen;
};

TEST_F(DigitalTest, ContactIsStoredAsIfTyped)
{
    WsjtxQso q = qso(u"DL1ABC"_s, u"JO31AB"_s);
    q.austauschGesendet = u"590001"_s;
    q.austauschErhalten = u"570123"_s;
    senden(q);

    const QList<QsoRecord> zeilen = band();
    ASSERT_EQ(zeilen.size(), 1);
    // JO31AB lies 5 km due north of the own JO31AA.
    EXPECT_EQ(zeilen.first(),
        (QsoRecord { 1, u"05.12.26"_s, u"14:33"_s, u"DL1ABC"_s, u"59001"_s, u"570123"_s, u"JO31AB"_s, u"5"_s,
            u"0"_s, u"DL1ABC"_s, u"JO31"_s, u"Deutschland"_s, u"FT8"_s, false }));
    EXPECT_EQ(meldungen, QStringList { u"FT8: DL1ABC JO31AB 5 km gespeichert"_s });
    EXPECT_TRUE(test::dateiInhalt(u"TEST.txt"_s).contains("DL1ABC"));
    EXPECT_EQ(
        (QStringList { model.spielstand().txtNummer, f().txtNummer }), (QStringList { u"002"_s, u"002"_s }));
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_TRUE(betrieb.wartende().isEmpty());
}

// Whatever would have asked the operator waits in the list, and nothing is shown.
TEST_F(DigitalTest, ContactsThatNeedTheOperatorWait)
{
    senden(qso(u"DL1ABC"_s, u"JO31AB"_s, 10));
    ASSERT_EQ(band().size(), 1);
    const struct {
        WsjtxQso q;
        QString grund;
    } fälle[] = {
        { qso(u"DL1ABC"_s, u"JO31AB"_s, 20), u"Doppelverbindung"_s },
        { qso(u"DK2XY"_s, u"JO62"_s), u"Locator nur vierstellig"_s },
        { qso(u"DK3AA"_s, QString()), u"Locator fehlt"_s },
        { qso(u"DK4AA"_s, u"JO99ZZ"_s), u"Locator JO99ZZ ungültig"_s },
        { [] {
             WsjtxQso q = qso(u"DK5AA"_s, u"JO31CD"_s);
             q.frequenz = 432'174'000;
             return q;
         }(),
            u"432,174 MHz liegt nicht im Band 144 MHz"_s },
        { qso(u"XX9ZZ"_s, u"JO31CD"_s), u"unbekannter Präfix oder Hörfehler"_s },
        { qso(u"G4ABC"_s, u"JO70AA"_s), u"Rufzeichenpräfix und Locator passen nicht zusammen!"_s },
        { [] {
             WsjtxQso q = qso(u"DK6AA"_s, u"JO31CD"_s);
             q.austauschGesendet = u"590007"_s;
             q.austauschErhalten = u"570001"_s;
             return q;
         }(),
            u"gesendete Nummer 0007, das Log vergibt 002"_s },
    };
    int n = 0;
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.q.call.toStdString());
        senden(fall.q);
        ++n;
        ASSERT_EQ(betrieb.wartende().size(), n);
        EXPECT_EQ(betrieb.wartende().last().grund, fall.grund);
        EXPECT_EQ(betrieb.wartende().last().doppelt, fall.grund == u"Doppelverbindung"_s);
        EXPECT_EQ(
            meldungen.last(), betrieb.wartende().last().kontakt.bezeichnung() + u" wartet: "_s + fall.grund);
    }
    EXPECT_EQ(band().size(), 1);
    EXPECT_TRUE(prompter.gezeigt().isEmpty()) << prompter.texte().join(u" | "_s).toStdString();
    EXPECT_TRUE(f().txtCall.isEmpty());
    EXPECT_EQ(f().txtNummer, u"002"_s);
}

TEST_F(DigitalTest, SameContactTwiceIsStoredOnce)
{
    const WsjtxQso q = qso(u"DL1ABC"_s, u"JO31AB"_s);
    senden(q);
    senden(q);
    // A second listener's copy of an older generation.
    betrieb.empfangen(*wsjtx::lesen(test::qsoNachricht(q, 2, test::Felder::BisZeitAn)));
    EXPECT_EQ(band().size(), 1);
    EXPECT_TRUE(betrieb.wartende().isEmpty());
    EXPECT_EQ(meldungen.size(), 1);
}

TEST_F(DigitalTest, OperatorsEntryInProgressIsKept)
{
    zeile(u"OK1KKK JO70AA 59 57012"_s);
    ASSERT_EQ(f().txtCall, u"OK1KKK"_s);
    senden(qso(u"DL1ABC"_s, u"JO31AB"_s));
    ASSERT_EQ(band().size(), 1);
    EXPECT_EQ((QStringList { f().txtCall, f().txtLocator, f().txtRSTerh, f().txtNummer }),
        (QStringList { u"OK1KKK"_s, u"JO70AA"_s, u"57012"_s, u"002"_s }));
    zeile(QString());
    const QList<QsoRecord> zeilen = band();
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ((QStringList { zeilen.at(1).rufzeichen, zeilen.at(1).rstGeg, zeilen.at(1).kommentar }),
        (QStringList { u"OK1KKK"_s, u"59002"_s, u" "_s }));
}

TEST_F(DigitalTest, WaitingListIsWorkedThrough)
{
    senden(qso(u"DL1ABC"_s, u"JO31AB"_s, 10));
    senden(qso(u"DL1ABC"_s, u"JO31AB"_s, 20)); // duplicate
    WsjtxQso nummer = qso(u"DK6AA"_s, u"JO31CD"_s);
    nummer.austauschGesendet = u"590009"_s;
    nummer.austauschErhalten = u"570001"_s;
    senden(nummer);
    senden(qso(u"DK7AA"_s, u"JO62"_s, 40)); // four characters
    WsjtxQso sechsMeter = qso(u"DK3AA"_s, u"JO31CD"_s, 41);
    sechsMeter.frequenz = 50'313'000;
    senden(sechsMeter);
    ASSERT_EQ(betrieb.wartende().size(), 4);

    // "Speichern" does not store a duplicate; "als Doppel" stores it as invalid.
    EXPECT_FALSE(betrieb.speichern(0));
    EXPECT_TRUE(betrieb.alsDoppelSpeichern(0));
    QList<QsoRecord> zeilen = band();
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_FALSE(istGültig(zeilen.at(1).punkte));
    // The serial number the log gives wins once the operator says so.
    EXPECT_TRUE(betrieb.speichern(0));
    zeilen = band();
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(zeilen.at(2).rufzeichen, u"DK6AA"_s);
    EXPECT_EQ(zeilen.at(2).rstGeg, u"59003"_s);
    // Another band's contact stays until it is discarded; a repeat stays away.
    EXPECT_FALSE(betrieb.speichern(1));
    EXPECT_EQ(betrieb.wartende().at(1).grund, u"50,313 MHz liegt nicht im Band 144 MHz"_s);
    betrieb.verwerfen(1);
    senden(sechsMeter);
    ASSERT_EQ(betrieb.wartende().size(), 1);

    // Completing: into the input line, where the operator adds the locator's end.
    betrieb.vervollständigen(0);
    EXPECT_TRUE(betrieb.wartende().isEmpty());
    EXPECT_EQ((QStringList { f().txtCall, f().txtInput, f().txtRSTerh, f().txtUhrzeit }),
        (QStringList { u"DK7AA"_s, u"JO62"_s, u"57"_s, u"14:40"_s }));
    zeile(u"QM"_s);
    zeile(QString());
    zeilen = band();
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_EQ(zeilen.at(3),
        (QsoRecord { 4, u"05.12.26"_s, u"14:40"_s, u"DK7AA"_s, u"59004"_s, u"57"_s, u"JO62QM"_s, u"531"_s,
            u"69"_s, u"DK7AA"_s, u"JO62"_s, u"Deutschland"_s, u"FT8"_s, false }));
    EXPECT_TRUE(prompter.gezeigt().isEmpty()) << prompter.texte().join(u" | "_s).toStdString();
}

TEST_F(DigitalTest, StationBeingWorked)
{
    betrieb.empfangen(*wsjtx::lesen(test::statusNachricht(u"OK1KKK"_s, u"JO70"_s)));
    EXPECT_EQ(betrieb.gearbeitet(), u"FT8: OK1KKK JO70"_s);
    betrieb.empfangen(*wsjtx::lesen(test::statusNachricht(QString(), QString())));
    EXPECT_TRUE(betrieb.gearbeitet().isEmpty());
    betrieb.empfangen(*wsjtx::lesen(test::statusNachricht(u"OK1KKK"_s, QString())));
    betrieb.empfangen(*wsjtx::lesen(test::endeNachricht()));
    EXPECT_TRUE(betrieb.gearbeitet().isEmpty());
}

quint16 freierUdpPort()
{
    QUdpSocket s;
    s.bind(QHostAddress::LocalHost, 0);
    return s.localPort();
}

// Real datagrams on 127.0.0.1: what the decoder reads arrives, the rest is
// dropped and counted. The generations of the format are WsjtxNachricht's.
TEST(WsjtxEmpfang, DatagramsOverUdp)
{
    test::sicherstellenApp();
    WsjtxEmpfang empfang;
    DigitalEinstellungen e;
    e.ein = true;
    e.port = freierUdpPort();
    ASSERT_EQ(empfang.starten(e), QString());
    QList<wsjtx::Nachricht> nachrichten;
    QObject::connect(
        &empfang, &WsjtxEmpfang::empfangen, [&](const wsjtx::Nachricht& n) { nachrichten.append(n); });

    WsjtxQso q;
    test::udpSenden(test::herzschlagNachricht(2), e.port);
    test::udpSenden("kein WSJT-X", e.port);
    test::udpSenden(test::qsoNachricht(q).left(40), e.port);
    test::udpSenden(test::qsoNachricht(q) + QByteArray(20'000, '\0'), e.port);
    test::udpSenden(test::adifNachricht(q), e.port);
    q.call = u"SP6ABC"_s;
    test::udpSenden(test::qsoNachricht(q), e.port);
    ASSERT_TRUE(test::warteBis([&] { return nachrichten.size() == 2 && empfang.verworfen() == 4; }, 5000))
        << nachrichten.size() << " " << empfang.verworfen();
    ASSERT_TRUE(std::holds_alternative<wsjtx::Kontakt>(nachrichten[1]));
    EXPECT_EQ(std::get<wsjtx::Kontakt>(nachrichten[1]).dxCall, u"SP6ABC"_s);

    // A port in use is named, and switching off closes the socket.
    WsjtxEmpfang zweiter;
    EXPECT_TRUE(zweiter.starten(e).startsWith(u"Digitalbetrieb: UDP-Port"_s));
    e.ein = false;
    EXPECT_EQ(empfang.starten(e), QString());
    EXPECT_FALSE(empfang.läuft());
}

TEST(DigitalEinstellungen, KeptInTheSettings)
{
    test::WorkDir dir;
    Settings s(dir.pfad(u"CONTEST.ini"_s));
    EXPECT_EQ(DigitalEinstellungen::laden(s), DigitalEinstellungen {});
    DigitalEinstellungen e { true, 2238, u"239.255.0.1"_s };
    EXPECT_EQ(e.fehler(), QString());
    e.speichern(s);
    EXPECT_EQ(DigitalEinstellungen::laden(s), e);
    for (const QString& gruppe : { u"192.168.1.1"_s, u"239.255.0"_s, u"ff02::1"_s })
        EXPECT_FALSE((DigitalEinstellungen { true, 2237, gruppe }).fehler().isEmpty())
            << gruppe.toStdString();
    s.schreiben(u"Digitalbetrieb"_s, u"Port"_s, u"70000"_s);
    EXPECT_EQ(DigitalEinstellungen::laden(s).port, 2237);
}

} // namespace
} // namespace tarvex
