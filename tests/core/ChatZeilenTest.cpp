#include "chat/KstZeile.h"
#include "chat/Spot.h"
#include "chat/TelnetZeilen.h"
#include "chat/Textmuster.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(TelnetZeilen, AssemblesLinesAndDropsNegotiation)
{
    const struct {
        std::vector<QByteArray> stücke;
        QStringList zeilen;
        QString rest;
        QByteArray antworten;
    } fälle[] = {
        { { "abc\r\ndef\n" }, { u"abc"_s, u"def"_s }, {}, {} },
        { { "ab", "c\r", "\nd" }, { u"abc"_s }, u"d"_s, {} },
        { { "a\rb\n\rc\r\0" }, { u"a"_s, u"b"_s, u"c"_s }, {}, {} },
        { { "Login: " }, {}, u"Login: "_s, {} },
        // WILL ECHO and DO TERMINAL-TYPE are refused, a WONT needs no answer.
        { { "\xff\xfb\x01Log", "in:\xff\xfd\x18\xff\xfc\x03" }, {}, u"Login:"_s, "\xff\xfe\x01\xff\xfc\x18" },
        // A split sequence, a subnegotiation and an escaped 255 inside a line.
        { { "x\xff", "\xfb", "\x01y\xff\xfa\x18\x01\xff\xf0z\n" }, { u"xyz"_s }, {}, "\xff\xfe\x01" },
        { { "\xe4\xf6\n", "\xc3\xa4\xc3\xb6\n" }, { u"äö"_s, u"äö"_s }, {}, {} },
    };
    for (const auto& f : fälle) {
        TelnetZeilen t;
        QStringList gelesen;
        for (const QByteArray& s : f.stücke) {
            t.anhängen(s);
            while (const auto z = t.nächsteZeile())
                gelesen.append(*z);
        }
        EXPECT_EQ(gelesen, f.zeilen) << f.stücke.front().toStdString();
        EXPECT_EQ(t.rest(), f.rest);
        EXPECT_EQ(t.antworten(), f.antworten);
    }
}

TEST(TelnetZeilen, CutsALineThatNeverEnds)
{
    TelnetZeilen t;
    for (int i = 0; i < 1000; ++i)
        t.anhängen(QByteArray(1000, 'x'));
    EXPECT_EQ(t.rest().size(), TelnetZeilen::kLängste);
    t.anhängen("\nok\n");
    EXPECT_EQ(t.nächsteZeile()->size(), TelnetZeilen::kLängste);
    EXPECT_EQ(t.nächsteZeile(), u"ok"_s);
}

TEST(Textmuster, CallsAndLocators)
{
    const struct {
        QString text;
        bool call;
        bool locator;
    } fälle[] = {
        { u"DL1ABC"_s, true, false },
        { u"OE/DL1ABC/P"_s, true, false },
        { u"9A2AA"_s, true, false },
        { u"JO31AB"_s, true, true },
        { u"jo31ab"_s, false, true },
        { u"DL"_s, false, false },
        { u"HELLO"_s, false, false },
        { u"/DL1ABC"_s, false, false },
        { u"DL1ABC-2"_s, false, false },
        { u"SS31AB"_s, true, false },
        { u"JO31AY"_s, true, false },
        { u"JO3AAB"_s, true, false },
    };
    for (const auto& f : fälle) {
        EXPECT_EQ(istRufzeichen(f.text), f.call) << f.text.toStdString();
        EXPECT_EQ(istLocator6(f.text), f.locator) << f.text.toStdString();
    }
}

TEST(Textmuster, LocatorOfTheSpottedStation)
{
    const struct {
        QString text;
        QString locator;
    } fälle[] = {
        { u"JO62QM<TR>JO31AB"_s, u"JO31AB"_s },
        { u"jo62qm<ES>in80aa tnx"_s, u"IN80AA"_s },
        { u"JO62QM<TR>JO31"_s, u"JO62QM"_s },
        { u"tnx qso jo31ab 599"_s, u"JO31AB"_s },
        { u"loc JO31AB or JO32AA"_s, u"JO31AB"_s },
        { u"CQ CQ"_s, {} },
        { u"XJO31ABX"_s, {} },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(locatorIn(f.text), f.locator) << f.text.toStdString();
}

TEST(KstZeile, Prompts)
{
    using A = kst::Aufforderung;
    const struct {
        QString zeile;
        A art;
    } fälle[] = {
        { u"Login:"_s, A::Rufzeichen },
        { u"login: "_s, A::Rufzeichen },
        { u"Please enter your call: "_s, A::Rufzeichen },
        { u"Password:"_s, A::Passwort },
        { u"Your choice           : "_s, A::Raum },
        { u"1342Z DL1ABC Hans> my login: is broken"_s, A::Keine },
        { u"Welcome"_s, A::Keine },
        { QString(), A::Keine },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(kst::aufforderung(f.zeile), f.art) << f.zeile.toStdString();
}

TEST(KstZeile, Messages)
{
    const struct {
        QString zeile;
        bool ist;
        QString zeit, call, name, an, text;
    } fälle[] = {
        { u"1342Z DL1ABC Hans> QRV 144.300"_s, true, u"1342"_s, u"DL1ABC"_s, u"Hans"_s, {},
            u"QRV 144.300"_s },
        { u"0001Z OK1KKW Team Kladno> (DL1ABC) pse sked 432.210"_s, true, u"0001"_s, u"OK1KKW"_s,
            u"Team Kladno"_s, u"DL1ABC"_s, u"pse sked 432.210"_s },
        { u"2359Z SP3XYZ/P > hi"_s, true, u"2359"_s, u"SP3XYZ/P"_s, {}, {}, u"hi"_s },
        { u"1200Z G4ABC> (not a call) x"_s, true, u"1200"_s, u"G4ABC"_s, {}, {}, u"(not a call) x"_s },
        { u"1200Z G4ABC Bob> a > b"_s, true, u"1200"_s, u"G4ABC"_s, u"Bob"_s, {}, u"a > b"_s },
        { u"2460Z G4ABC Bob> x"_s, false, {}, {}, {}, {}, {} },
        { u"1200 G4ABC Bob> x"_s, false, {}, {}, {}, {}, {} },
        { u"1200Z hello Bob> x"_s, false, {}, {}, {}, {}, {} },
        { u"1200Z G4ABC Bob x"_s, false, {}, {}, {}, {}, {} },
        { u"Welcome to the chat"_s, false, {}, {}, {}, {}, {} },
    };
    for (const auto& f : fälle) {
        const auto n = kst::nachricht(f.zeile);
        ASSERT_EQ(n.has_value(), f.ist) << f.zeile.toStdString();
        if (!n)
            continue;
        EXPECT_EQ((QStringList { n->zeit, n->call, n->name, n->an, n->text }),
            (QStringList { f.zeit, f.call, f.name, f.an, f.text }));
    }
}

TEST(KstZeile, Users)
{
    const struct {
        QString zeile;
        bool ist;
        QString call, locator, name;
    } fälle[] = {
        { u"DL1ABC   JO31AB  Hans"_s, true, u"DL1ABC"_s, u"JO31AB"_s, u"Hans"_s },
        { u"OK1KKW jo60rn Team Kladno"_s, true, u"OK1KKW"_s, u"JO60RN"_s, u"Team Kladno"_s },
        { u"SP3XYZ/P"_s, true, u"SP3XYZ/P"_s, {}, {} },
        { u"DL1ABC Hans"_s, true, u"DL1ABC"_s, {}, u"Hans"_s },
        { u"DL1ABC Hans (jo31ab)"_s, true, u"DL1ABC"_s, u"JO31AB"_s, u"Hans"_s },
        { u"DL1ABC JO31AB JO32AA"_s, true, u"DL1ABC"_s, u"JO31AB"_s, u"JO32AA"_s },
        { u"Users: 3"_s, false, {}, {}, {} },
        { u"   "_s, false, {}, {}, {} },
    };
    for (const auto& f : fälle) {
        const auto u = kst::nutzer(f.zeile);
        ASSERT_EQ(u.has_value(), f.ist) << f.zeile.toStdString();
        if (!u)
            continue;
        EXPECT_EQ(
            (QStringList { u->call, u->locator, u->name }), (QStringList { f.call, f.locator, f.name }));
    }
}

TEST(KstZeile, Mentions)
{
    const struct {
        QString an, text, eigener;
        bool erwähnt;
    } fälle[] = {
        { u"DL1ABC"_s, u"sked?"_s, u"DL1ABC"_s, true },
        { u"DL1ABC/P"_s, u"sked?"_s, u"DL1ABC"_s, true },
        { {}, u"dl1abc pse 432"_s, u"DL1ABC"_s, true },
        { {}, u"cq de OE/DL1ABC/P"_s, u"DL1ABC/P"_s, true },
        { {}, u"DL1ABCD qrv"_s, u"DL1ABC"_s, false },
        { u"DL2XYZ"_s, u"hi all"_s, u"DL1ABC"_s, false },
        { {}, u"anything"_s, QString(), false },
    };
    for (const auto& f : fälle) {
        kst::Nachricht n;
        n.an = f.an;
        n.text = f.text;
        EXPECT_EQ(kst::erwähnt(n, f.eigener), f.erwähnt) << f.text.toStdString();
    }
}

TEST(Spot, SpotLines)
{
    const struct {
        QString zeile;
        bool ist;
        QString spotter;
        qint64 hertz;
        QString dxCall, kommentar, zeit, band, locator;
    } fälle[] = {
        { u"DX de DL1ABC:    144300.0  OK1KKW       JO60RN<TR>JO70AA 599       1234Z JO31"_s, true,
            u"DL1ABC"_s, 144300000, u"OK1KKW"_s, u"JO60RN<TR>JO70AA 599"_s, u"1234"_s, u"144MHz"_s,
            u"JO70AA"_s },
        { u"DX de PA3ABC-#:  432210.5  G4XYZ        tnx qso IO91AB          0002Z"_s, true, u"PA3ABC-#"_s,
            432210500, u"G4XYZ"_s, u"tnx qso IO91AB"_s, u"0002"_s, u"432MHz"_s, u"IO91AB"_s },
        { u"DX de F6ABC:   10368100.0  DL0GTH                                  2210Z"_s, true, u"F6ABC"_s,
            10368100000, u"DL0GTH"_s, {}, u"2210"_s, u"10368MHz"_s, {} },
        { u"DX de K1ABC:     14025.0  JA1XYZ       cq 1200Z here          1201Z"_s, true, u"K1ABC"_s,
            14025000, u"JA1XYZ"_s, u"cq 1200Z here"_s, u"1201"_s, {}, {} },
        { u"dx de dl1abc: 50313.0 ea8xyz FT8 1234Z"_s, true, u"DL1ABC"_s, 50313000, u"EA8XYZ"_s, u"FT8"_s,
            u"1234"_s, u"50MHz"_s, {} },
        { u"DX de DL1ABC: 144300.0 OK1KKW no time"_s, false, {}, 0, {}, {}, {}, {}, {} },
        { u"DX de DL1ABC 144300.0 OK1KKW 1234Z"_s, false, {}, 0, {}, {}, {}, {}, {} },
        { u"DX de DL1ABC: 144,300 OK1KKW 1234Z"_s, false, {}, 0, {}, {}, {}, {}, {} },
        { u"DX de DL1ABC: 9999999999999 OK1KKW 1234Z"_s, false, {}, 0, {}, {}, {}, {}, {} },
        { u"DX de DL1ABC: 144300.0 CQ 1234Z"_s, false, {}, 0, {}, {}, {}, {}, {} },
        { u"WWV de W1AW <18>:   SFI=70, A=5, K=1"_s, false, {}, 0, {}, {}, {}, {}, {} },
    };
    for (const auto& f : fälle) {
        const auto s = spotLesen(f.zeile);
        ASSERT_EQ(s.has_value(), f.ist) << f.zeile.toStdString();
        if (!s)
            continue;
        EXPECT_EQ(s->hertz, f.hertz) << f.zeile.toStdString();
        EXPECT_EQ((QStringList { s->spotter, s->dxCall, s->kommentar, s->zeit, s->band, s->locator }),
            (QStringList { f.spotter, f.dxCall, f.kommentar, f.zeit, f.band, f.locator }));
    }
}

} // namespace
} // namespace tarvex
