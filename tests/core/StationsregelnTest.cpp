#include "contest/Bandwahl.h"
#include "station/Frequenzband.h"
#include "station/HamlibClient.h"
#include "station/Rotor.h"
#include "station/StationsEinstellungen.h"
#include "station/Transceiver.h"
#include "station/Zeilenpuffer.h"
#include "store/BandList.h"
#include "store/Settings.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Z = HamlibClient::Zustand;

TEST(Zeilenpuffer, AssemblesLinesSplitAnywhere)
{
    const struct {
        std::vector<QByteArray> stücke;
        QStringList zeilen;
        bool rest;
    } fälle[] = {
        { { "145000000\n" }, { u"145000000"_s }, false },
        { { "14", "5000", "000\nCW\n5", "00\n" }, { u"145000000"_s, u"CW"_s, u"500"_s }, false },
        { { "RPRT 0\r\n" }, { u"RPRT 0"_s }, false },
        { { "12" }, {}, true },
        { { "1.80\n0.0" }, { u"1.80"_s }, true },
        { { "\n\n" }, { QString(), QString() }, false },
    };
    for (const auto& f : fälle) {
        Zeilenpuffer p;
        QStringList gelesen;
        for (const QByteArray& s : f.stücke) {
            p.anhängen(s);
            while (const std::optional<QString> z = p.nächsteZeile())
                gelesen.append(*z);
        }
        EXPECT_EQ(gelesen, f.zeilen) << f.stücke.front().toStdString();
        EXPECT_EQ(p.hatRest(), f.rest) << f.stücke.front().toStdString();
    }
}

TEST(Zeilenpuffer, ReadsReportCodesOnly)
{
    const std::pair<QString, std::optional<int>> fälle[] = {
        { u"RPRT 0"_s, 0 },
        { u"RPRT -1"_s, -1 },
        { u"RPRT -11 "_s, -11 },
        { u"RPRT"_s, std::nullopt },
        { u"RPRT x"_s, std::nullopt },
        { u"123.4"_s, std::nullopt },
        { u"Dummy rotator"_s, std::nullopt },
    };
    for (const auto& [zeile, code] : fälle)
        EXPECT_EQ(Zeilenpuffer::rprt(zeile), code) << zeile.toStdString();
}

TEST(Frequenzband, MapsFrequenciesToTheBandTableAtTheEdges)
{
    const std::pair<qint64, const char16_t*> fälle[] = {
        { 50'150'000, u"50MHz" },
        { 143'999'999, nullptr },
        { 144'000'000, u"144MHz" },
        { 144'300'000, u"144MHz" },
        { 146'000'000, u"144MHz" },
        { 146'000'001, nullptr },
        { 432'200'000, u"432MHz" },
        { 1'296'200'000, u"1296MHz" },
        { 2'320'200'000, u"2320MHz" },
        { 3'400'100'000, u"3400MHz" },
        { 5'760'100'000, u"5760MHz" },
        { 10'368'100'000, u"10368MHz" },
        { 24'048'100'000, u"24192MHz" },
        { 47'088'100'000, u"47088MHz" },
        { 76'032'100'000, u"76032MHz" },
        { 14'074'000, nullptr },
        { 28'144'000, nullptr },
    };
    for (const auto& [hz, band] : fälle) {
        const BandInfo* b = bandZurFrequenz(hz);
        if (band == nullptr) {
            EXPECT_EQ(b, nullptr) << hz;
        } else {
            ASSERT_NE(b, nullptr) << hz;
            EXPECT_EQ(b->tabelle, QString::fromUtf16(band)) << hz;
        }
    }
}

TEST(Frequenzband, WritesMegahertzWithThreeDecimals)
{
    const std::pair<qint64, QString> fälle[] = {
        { 144'300'000, u"144,300 MHz"_s },
        { 432'200'000, u"432,200 MHz"_s },
        { 144'050'499, u"144,050 MHz"_s },
        { 144'050'500, u"144,051 MHz"_s },
        { 10'368'100'000, u"10368,100 MHz"_s },
        { 50'000'000, u"50,000 MHz"_s },
    };
    for (const auto& [hz, text] : fälle)
        EXPECT_EQ(frequenzText(hz), text) << hz;
}

TEST(Transceiver, ModeChoosesTheReportPreset)
{
    const std::pair<QString, std::optional<RstVorgabe>> fälle[] = {
        { u"CW"_s, RstVorgabe::R599 },
        { u"CWR"_s, RstVorgabe::R599 },
        { u"USB"_s, RstVorgabe::R59 },
        { u"LSB"_s, RstVorgabe::R59 },
        { u"FM"_s, RstVorgabe::R59 },
        { u"AM"_s, RstVorgabe::R59 },
        { u" usb "_s, RstVorgabe::R59 },
        { u"PKTUSB"_s, std::nullopt },
        { u"RTTY"_s, std::nullopt },
        { QString(), std::nullopt },
    };
    for (const auto& [mode, rst] : fälle)
        EXPECT_EQ(Transceiver::rstFürMode(mode), rst) << mode.toStdString();
}

TEST(Transceiver, StatusTextFollowsTheState)
{
    const struct {
        Transceiverlage lage;
        QString text;
    } fälle[] = {
        { { false, Z::Aus, false, {}, {}, {} }, QString() },
        { { true, Z::Verbindet, false, {}, {}, {} }, u"Transceiver wird verbunden …"_s },
        { { true, Z::Verbunden, false, {}, {}, {} }, u"Transceiver wird verbunden …"_s },
        { { true, Z::Verbunden, false, {}, 144'300'000, u"CW"_s }, u"144,300 MHz CW"_s },
        { { true, Z::Verbunden, false, {}, 432'200'000, {} }, u"432,200 MHz"_s },
        { { true, Z::Verbunden, false, -5, 144'300'000, u"CW"_s }, u"Transceiver meldet Fehler -5"_s },
        { { true, Z::Getrennt, true, {}, {}, {} }, u"Transceiver nicht erreichbar"_s },
        // Retrying after a failure does not hide that it failed.
        { { true, Z::Verbindet, true, {}, {}, {} }, u"Transceiver nicht erreichbar"_s },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Transceiver::statusText(f.lage), f.text) << f.text.toStdString();
}

TEST(Rotor, StatusTextFollowsTheState)
{
    const struct {
        Rotorlage lage;
        QString text;
    } fälle[] = {
        { { false, Z::Verbunden, false, {}, 12.0, {} }, QString() },
        { { true, Z::Verbindet, false, {}, {}, {} }, u"Rotor wird verbunden …"_s },
        { { true, Z::Verbunden, false, {}, 122.6, {} }, u"Rotor 123°"_s },
        { { true, Z::Verbunden, false, {}, 359.7, {} }, u"Rotor 0°"_s },
        { { true, Z::Verbunden, false, {}, -90.0, {} }, u"Rotor 270°"_s },
        { { true, Z::Verbunden, false, {}, 45.2, 123.0 }, u"Rotor 45° → 123°"_s },
        { { true, Z::Verbunden, false, -1, 45.2, {} }, u"Rotor meldet Fehler -1"_s },
        { { true, Z::Getrennt, true, {}, {}, {} }, u"Rotor nicht erreichbar"_s },
        { { true, Z::Verbindet, true, {}, {}, {} }, u"Rotor nicht erreichbar"_s },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Rotor::statusText(f.lage), f.text) << f.text.toStdString();
}

TEST(Rotor, LongPathAndBearingText)
{
    const std::pair<double, double> wege[]
        = { { 0, 180 }, { 69, 249 }, { 180, 0 }, { 270, 90 }, { 359, 179 } };
    for (const auto& [kurz, lang] : wege)
        EXPECT_DOUBLE_EQ(Rotor::langerWeg(kurz), lang) << kurz;
    const std::pair<QString, std::optional<int>> texte[]
        = { { u"69"_s, 69 }, { u" 0"_s, 0 }, { u"360"_s, 0 }, { QString(), std::nullopt },
              { u"-3"_s, std::nullopt }, { u"abc"_s, std::nullopt }, { u"361"_s, std::nullopt } };
    for (const auto& [text, grad] : texte)
        EXPECT_EQ(Rotor::winkel(text), grad) << text.toStdString();
}

TEST(HamlibClient, ReconnectPauseDoublesUpToItsCap)
{
    const HamlibZeiten z { 2000, 2000, 1000, 16000 };
    const std::pair<int, int> fälle[]
        = { { 0, 1000 }, { 1, 2000 }, { 3, 8000 }, { 4, 16000 }, { 5, 16000 }, { 60, 16000 } };
    for (const auto& [versuch, ms] : fälle)
        EXPECT_EQ(HamlibClient::wartezeit(versuch, z), ms) << versuch;
}

TEST(StationsEinstellungen, DefaultsAndRoundTrip)
{
    test::WorkDir dir;
    Settings settings(dir.pfad(u"CONTEST.ini"_s));
    EXPECT_EQ(StationsEinstellungen::laden(settings), StationsEinstellungen {});

    const StationsEinstellungen e { true, u"shack"_s, 14533, true, u"127.0.0.1"_s, 14532, true };
    e.speichern(settings);
    EXPECT_EQ(StationsEinstellungen::laden(settings), e);

    // Unusable values read as the defaults, not as port 0.
    for (const QString& kaputt : { u"0"_s, u"70000"_s, u"abc"_s, QString() }) {
        settings.schreiben(u"Stationssteuerung"_s, u"RotorPort"_s, kaputt);
        settings.schreiben(u"Stationssteuerung"_s, u"RotorHost"_s, u" "_s);
        EXPECT_EQ(StationsEinstellungen::laden(settings).rotorPort, 4533) << kaputt.toStdString();
        EXPECT_EQ(StationsEinstellungen::laden(settings).rotorHost, u"127.0.0.1"_s);
    }
}

TEST(Bandwahl, OffersTheTransceiversBandWhenTheContestHasIt)
{
    QList<BandKnopf> knöpfe;
    for (const auto& [band, aktiv] : { std::pair { u"144MHz"_s, true }, std::pair { u"432MHz"_s, true },
             std::pair { u"1296MHz"_s, false } })
        knöpfe.append({ u"cmd"_s + band, band, band, aktiv, true });
    const struct {
        QString rig;
        QString vorschlag;
    } fälle[] = {
        { u"432MHz"_s, u"432MHz"_s },
        { u"432mhz"_s, u"432MHz"_s },
        { u"1296MHz"_s, u"144MHz"_s }, // the contest has no such table
        { QString(), u"144MHz"_s },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Bandwahl::vorschlag(knöpfe, f.rig, u"144MHz"_s), f.vorschlag) << f.rig.toStdString();
}

} // namespace
} // namespace tarvex
