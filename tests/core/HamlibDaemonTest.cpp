#include "support/HamlibDaemon.h"
#include "station/HamlibClient.h"
#include "station/Rotor.h"
#include "station/Stationssteuerung.h"
#include "station/Transceiver.h"
#include "station/Verbindungsprobe.h"
#include "store/Settings.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QTcpSocket>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::FalscherDaemon;
using test::HamlibDaemon;
using test::warteBis;

// Short times, so a missing answer is noticed within a test's patience.
constexpr HamlibZeiten kZeiten { 500, 500, 100, 400 };
constexpr int kAbfrageMs = 100;

// Sends one command on a connection of its own and returns the reply lines. Sets
// the dummy's state; a connection the busy daemon dropped is tried again.
QStringList direkt(quint16 port, const QByteArray& befehl, int zeilen)
{
    QStringList antwort;
    for (int versuch = 0; versuch < 3 && antwort.size() < zeilen; ++versuch) {
        antwort.clear();
        QTcpSocket s;
        s.connectToHost(u"127.0.0.1"_s, port);
        if (!s.waitForConnected(2000))
            continue;
        s.write(befehl + '\n');
        while (antwort.size() < zeilen && (s.canReadLine() || s.waitForReadyRead(2000))) {
            while (s.canReadLine() && antwort.size() < zeilen)
                antwort.append(QString::fromUtf8(s.readLine()).trimmed());
        }
    }
    return antwort;
}

class MitDaemon : public ::testing::Test {
protected:
    MitDaemon() { test::sicherstellenApp(); }
    test::WorkDir dir;
    Settings settings { dir.pfad(u"CONTEST.ini"_s) };
    test::ScriptedPrompter prompter;
};

bool bei(const Rotor& r, double grad)
{
    return r.azimut() && std::abs(*r.azimut() - grad) < 1.0;
}

TEST_F(MitDaemon, TheDummyRotatorReachesTheBearingItsLongPathAndStops)
{
    HamlibDaemon rotctld(u"rotctld"_s);
    if (!rotctld.läuft())
        GTEST_SKIP() << rotctld.grund().toStdString();
    StationsEinstellungen e;
    e.rotorEin = true;
    e.rotorPort = rotctld.port();
    Stationssteuerung station(settings, prompter, kZeiten, kAbfrageMs);
    station.übernehmen(e);
    Rotor& rotor = station.rotor();
    ASSERT_TRUE(warteBis([&] { return rotor.erreichbar(); })) << rotor.statusText().toStdString();
    EXPECT_EQ(rotor.statusText(), u"Rotor 0°"_s);
    EXPECT_EQ(station.rotorWinkel(), u"0"_s);

    // 195° the long way round is 15°; the dummy turns about 6° a second.
    EXPECT_EQ(station.antenneDrehen(u"195"_s, true), u"Antenne dreht auf 15° (langer Weg)"_s);
    EXPECT_TRUE(rotor.statusText().endsWith(u" → 15°"_s)) << rotor.statusText().toStdString();
    ASSERT_TRUE(warteBis([&] { return bei(rotor, 15); }, 20000)) << rotor.statusText().toStdString();
    EXPECT_TRUE(warteBis([&] { return rotor.statusText() == u"Rotor 15°"_s; }));
    EXPECT_EQ(station.rotorWinkel(), u"15"_s);

    EXPECT_EQ(station.antenneDrehen(u"8"_s, false), u"Antenne dreht auf 8°"_s);
    ASSERT_TRUE(warteBis([&] { return bei(rotor, 8); }, 20000)) << rotor.statusText().toStdString();

    // Stopped on the way to 200°, it stays where it was.
    station.antenneDrehen(u"200"_s, false);
    ASSERT_TRUE(warteBis([&] { return rotor.azimut() && *rotor.azimut() > 12; }, 20000));
    EXPECT_EQ(station.rotorAnhalten(), u"Rotor angehalten"_s);
    EXPECT_EQ(rotor.ziel(), std::nullopt);
    // Two readings straight from the daemon, a poll apart, agree: it stands.
    // Had it not stopped, it would be turning for half a minute more.
    QString vorher = direkt(rotctld.port(), "p", 2).value(0);
    const bool steht = warteBis(
        [&] {
            warteBis([] { return false; }, 200);
            const QString jetzt = direkt(rotctld.port(), "p", 2).value(0);
            return std::exchange(vorher, jetzt) == jetzt;
        },
        5000);
    EXPECT_TRUE(steht) << vorher.toStdString();
    EXPECT_LT(vorher.toDouble(), 40);
}

TEST_F(MitDaemon, TheDummyTransceiverGivesFrequencyModeAndTheBandQuestion)
{
    HamlibDaemon rigctld(u"rigctld"_s);
    if (!rigctld.läuft())
        GTEST_SKIP() << rigctld.grund().toStdString();
    ASSERT_EQ(direkt(rigctld.port(), "F 432200000", 1), QStringList { u"RPRT 0"_s });
    ASSERT_EQ(direkt(rigctld.port(), "M CW 500", 1), QStringList { u"RPRT 0"_s });

    StationsEinstellungen e;
    e.transceiverEin = true;
    e.transceiverPort = rigctld.port();
    e.rapportNachMode = true;
    Stationssteuerung station(settings, prompter, kZeiten, kAbfrageMs);
    station.übernehmen(e);
    ASSERT_TRUE(warteBis([&] { return station.transceiver().statusText() == u"432,200 MHz CW"_s; }))
        << station.transceiver().statusText().toStdString();
    EXPECT_EQ(station.transceiverBand(), u"432MHz"_s);
    EXPECT_EQ(station.rapportVorgabe(), RstVorgabe::R599);

    // Saving on 144 MHz asks; No is the default, Yes goes on.
    EXPECT_FALSE(station.speichernFreigeben(u"144MHz"_s));
    const Meldung frage = prompter.einzige();
    EXPECT_EQ(frage.text,
        u"Der Transceiver steht auf 432,200 MHz, gespeichert wird auf 144 MHz. Trotzdem speichern?"_s);
    EXPECT_EQ(frage.titel, u"Frage"_s);
    EXPECT_EQ(frage.knöpfe, Meldung::Knöpfe::JaNein);
    EXPECT_EQ(frage.standard, Meldung::Antwort::Nein);
    prompter.antworte(Meldung::Antwort::Ja);
    EXPECT_TRUE(station.speichernFreigeben(u"144MHz"_s));
    // On the rig's own band nothing is asked.
    prompter.vergiss();
    EXPECT_TRUE(station.speichernFreigeben(u"432MHz"_s));
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // The rig tuned and switched to voice: the next polls follow.
    direkt(rigctld.port(), "F 144300000", 1);
    direkt(rigctld.port(), "M USB 2400", 1);
    ASSERT_TRUE(warteBis([&] { return station.transceiver().statusText() == u"144,300 MHz USB"_s; }));
    EXPECT_EQ(station.rapportVorgabe(), RstVorgabe::R59);
    EXPECT_TRUE(station.speichernFreigeben(u"144MHz"_s));
    EXPECT_TRUE(prompter.gezeigt().isEmpty());

    // Gone mid-contest: nothing is asked any more, and it comes back by itself.
    rigctld.töten();
    ASSERT_TRUE(
        warteBis([&] { return station.transceiver().statusText() == u"Transceiver nicht erreichbar"_s; }));
    EXPECT_TRUE(station.speichernFreigeben(u"432MHz"_s));
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_EQ(station.transceiverBand(), QString());
}

TEST_F(MitDaemon, AnAnswerThatNeverComesMarksTheRotatorUnreachableAndItRetries)
{
    FalscherDaemon stumm(FalscherDaemon::Art::Schweigt);
    Rotor rotor(kZeiten, kAbfrageMs);
    rotor.einschalten(u"127.0.0.1"_s, stumm.port());
    EXPECT_EQ(rotor.statusText(), u"Rotor wird verbunden …"_s);
    ASSERT_TRUE(warteBis([&] { return rotor.statusText() == u"Rotor nicht erreichbar"_s; }));
    // One command at a time: no second one goes out behind the unanswered "p".
    ASSERT_TRUE(warteBis([&] { return stumm.verbindungen() >= 2; }));
    EXPECT_LE(stumm.empfangen().size(), stumm.verbindungen());
    EXPECT_EQ(rotor.azimut(), std::nullopt);
}

TEST_F(MitDaemon, AnErrorReportIsShownAndKeepsTheConnection)
{
    FalscherDaemon fehler(FalscherDaemon::Art::Fehler);
    Rotor rotor(kZeiten, kAbfrageMs);
    rotor.einschalten(u"127.0.0.1"_s, fehler.port());
    ASSERT_TRUE(warteBis([&] { return rotor.statusText() == u"Rotor meldet Fehler -1"_s; }));
    ASSERT_TRUE(rotor.drehen(42));
    ASSERT_TRUE(warteBis([&] { return fehler.empfangen().contains("P 42.0 0"); }));
    EXPECT_TRUE(warteBis([&] { return fehler.empfangen().size() >= 5; }));
    EXPECT_EQ(fehler.verbindungen(), 1);
    EXPECT_EQ(rotor.ziel(), std::nullopt);

    Transceiver rig(kZeiten, kAbfrageMs);
    rig.einschalten(u"127.0.0.1"_s, fehler.port());
    ASSERT_TRUE(warteBis([&] { return rig.statusText() == u"Transceiver meldet Fehler -1"_s; }));
    EXPECT_EQ(rig.frequenz(), std::nullopt);
}

TEST_F(MitDaemon, ClosingMidLineLosesTheHalfLineAndReconnects)
{
    FalscherDaemon abbruch(FalscherDaemon::Art::BrichtAb);
    Rotor rotor(kZeiten, kAbfrageMs);
    rotor.einschalten(u"127.0.0.1"_s, abbruch.port());
    ASSERT_TRUE(warteBis([&] { return abbruch.verbindungen() >= 3; }));
    // "12" without its line end is no azimuth.
    EXPECT_EQ(rotor.azimut(), std::nullopt);
    EXPECT_EQ(rotor.statusText(), u"Rotor nicht erreichbar"_s);
}

TEST_F(MitDaemon, RepliesSplitIntoSingleBytesAreAssembled)
{
    FalscherDaemon langsam(FalscherDaemon::Art::Stueckweise);
    Rotor rotor(kZeiten, kAbfrageMs);
    rotor.einschalten(u"127.0.0.1"_s, langsam.port());
    ASSERT_TRUE(warteBis([&] { return rotor.statusText() == u"Rotor 123°"_s; }))
        << rotor.statusText().toStdString();
    EXPECT_DOUBLE_EQ(*rotor.azimut(), 123.4);
}

TEST_F(MitDaemon, AMissingDaemonNeverBlocksTheCaller)
{
    const quint16 frei = test::freierPort();
    Stationssteuerung station(settings, prompter, kZeiten, kAbfrageMs);
    StationsEinstellungen e;
    e.rotorEin = e.transceiverEin = true;
    e.rotorPort = frei;
    e.transceiverPort = frei;
    station.übernehmen(e);
    // Both calls answer while the connection is still being made: neither waited
    // for it, or the refusal would have been seen already.
    EXPECT_EQ(station.antenneDrehen(u"90"_s, false), u"Rotor nicht erreichbar"_s);
    EXPECT_TRUE(station.speichernFreigeben(u"144MHz"_s));
    EXPECT_EQ(station.rotor().statusText(), u"Rotor wird verbunden …"_s);
    EXPECT_EQ(station.transceiver().statusText(), u"Transceiver wird verbunden …"_s);
    ASSERT_TRUE(warteBis([&] { return station.rotor().statusText() == u"Rotor nicht erreichbar"_s; }));
    EXPECT_EQ(station.antenneDrehen(u"90"_s, false), u"Rotor nicht erreichbar"_s);
    EXPECT_EQ(station.transceiver().statusText(), u"Transceiver nicht erreichbar"_s);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    // Switched off, nothing is shown.
    station.übernehmen({});
    EXPECT_EQ(station.rotor().statusText(), QString());
    EXPECT_EQ(station.transceiver().statusText(), QString());
}

TEST_F(MitDaemon, TheConnectionCheckReportsWhatTheDaemonSaid)
{
    HamlibDaemon rotctld(u"rotctld"_s);
    if (!rotctld.läuft())
        GTEST_SKIP() << rotctld.grund().toStdString();
    FalscherDaemon fehler(FalscherDaemon::Art::Fehler);
    FalscherDaemon stumm(FalscherDaemon::Art::Schweigt);
    const struct {
        quint16 port;
        QString text;
    } fälle[] = {
        { rotctld.port(), u"Rotor antwortet: „Dummy rotator“"_s },
        { fehler.port(), u"Rotor antwortet: RPRT -1"_s },
        { stumm.port(), u"Rotor nicht erreichbar: keine Antwort auf den Befehl"_s },
        { test::freierPort(), u"Rotor nicht erreichbar: Verbindung abgelehnt"_s },
    };
    for (const auto& f : fälle) {
        Verbindungsprobe probe(kZeiten);
        QString ergebnis;
        QObject::connect(&probe, &Verbindungsprobe::finished, [&](const QString& t) { ergebnis = t; });
        probe.prüfen(u"Rotor"_s, u"127.0.0.1"_s, f.port);
        EXPECT_TRUE(warteBis([&] { return !ergebnis.isEmpty(); })) << f.text.toStdString();
        EXPECT_EQ(ergebnis, f.text);
        EXPECT_FALSE(probe.läuft());
    }
}

} // namespace
} // namespace tarvex
