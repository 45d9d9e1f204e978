#include "entry/EntryModel.h"
#include "entry/EntryActions.h"
#include "entry/KeystrokeLog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct RecordingActions final : EntryActions {
    QStringList calls;
    std::function<void()> beimPrüfen, beimSpeichern;
    void prüfen() override
    {
        calls.append(u"prüfen"_s);
        if (beimPrüfen)
            beimPrüfen();
    }
    void suchen(const QString& muster) override { calls.append(u"suchen "_s + muster); }
    void speichern() override
    {
        calls.append(u"speichern"_s);
        if (beimSpeichern)
            beimSpeichern();
    }
    void doppelFrage() override { calls.append(u"doppelFrage"_s); }
    void alleAnzeigen() override { calls.append(u"alleAnzeigen"_s); }
};

class EntryModelTest : public ::testing::Test {
protected:
    EntryModelTest()
        : log(dir.pfad(u"LOG.TXT"_s))
        , model(actions, prompter, log)
    {
        model.felder().lblLocator = u"JO31AA"_s;
        model.felder().txtRSTgeg = u"59"_s;
    }

    // Types the text key by key, as the operator would, then presses Enter.
    void zeile(const QString& text)
    {
        for (const QChar c : text)
            model.tippe(c);
        model.enter();
    }

    const EntryFields& f() const { return model.felder(); }

    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    RecordingActions actions;
    KeystrokeLog log;
    EntryModel model;
};

TEST_F(EntryModelTest, CallLocatorAndReportInOneLine)
{
    zeile(u"dl1abc jo31ab 59001"_s);
    EXPECT_EQ((QStringList { f().txtCall, f().txtLocator, f().txtRSTerh, f().txtInput, f().txtQRB,
                  f().txtWinkel, f().lblPfeil }),
        (QStringList { u"DL1ABC"_s, u"JO31AB"_s, u"59001"_s, u""_s, u"5"_s, u"0"_s, u"\u2191"_s }));
    EXPECT_EQ(actions.calls, (QStringList { u"prüfen"_s, u"prüfen"_s }));
    // The keystroke log holds each classified token.
    EXPECT_EQ(log.zeilen(), (QStringList { u"DL1ABC"_s, u"JO31AB"_s, u"59001"_s }));
}

// One line each, from an empty entry: where its tokens end up.
TEST_F(EntryModelTest, TokensLandInTheirFields)
{
    const struct {
        QString zeile;
        QString EntryFields::*feld;
        QString erwartet;
    } cases[] = {
        { u"K:qrv"_s, &EntryFields::txtKommentar, u"qrv"_s }, // a comment keeps its case
        { u"K:QRV 73"_s, &EntryFields::txtKommentar, u"QRV"_s }, // and is one token
        { u"K:QRV 73"_s, &EntryFields::txtRSTgeg, u"73"_s },
        { u"K.abcdefghijklmnop"_s, &EntryFields::txtKommentar, u"abcdefghijkl"_s }, // cut to its width
        { u"C:ABCDEFGHIJKLMNOPQ"_s, &EntryFields::txtCall, u"ABCDEFGHIJKLMNO"_s },
        { u"OE/DL1ABC"_s, &EntryFields::txtCall, u"OE/DL1ABC"_s }, // classified by its core
        { u"01.01.00"_s, &EntryFields::lblDatum, u"01.01.00"_s }, // and it stays after Löschen
        { u"04/12/26"_s, &EntryFields::lblDatum, u"04.12.26"_s }, // written with slashes
        { u"4/12/26"_s, &EntryFields::lblDatum, u"04.12.26"_s }, // no date: the last one stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zeile.toStdString());
        model.Löschen();
        zeile(c.zeile);
        if (c.feld == &EntryFields::lblDatum)
            model.Löschen();
        EXPECT_EQ(f().*c.feld, c.erwartet);
    }
    model.Löschen();
    zeile(u"OE/DL1ABC"_s);
    EXPECT_EQ(f().teile.präfix, u"OE/"_s);
    EXPECT_EQ(f().teile.kern, u"DL1ABC"_s);
    zeile(u"DL1XYZ/P"_s);
    EXPECT_EQ(f().teile.suffix, u"/P"_s);
    // Q toggles the QSL box: twice leaves it as it was.
    zeile(u"Q"_s);
    EXPECT_TRUE(f().chkQSL);
    zeile(u"Q Q Q"_s);
    EXPECT_FALSE(f().chkQSL);
}

// The expansion itself is InputLine's; here which field it lands in.
TEST_F(EntryModelTest, PlusShortcutPerReportMode)
{
    const struct {
        RstVorgabe rst;
        const char16_t* typed;
        const char16_t* erh;
        const char16_t* geg;
    } cases[] = {
        { RstVorgabe::R599, u"+7", u"599007", u"59" },
        { RstVorgabe::Keine, u"+7", u"", u"007" }, // no preset: 007 is a report sent
    };
    for (const auto& c : cases) {
        model.Löschen();
        model.felder().txtRSTgeg = u"59"_s;
        model.felder().RST = c.rst;
        zeile(QString::fromUtf16(c.typed));
        EXPECT_EQ(f().txtRSTerh, QString::fromUtf16(c.erh)) << QString::fromUtf16(c.typed).toStdString();
        EXPECT_EQ(f().txtRSTgeg, QString::fromUtf16(c.geg)) << QString::fromUtf16(c.typed).toStdString();
    }
}

TEST_F(EntryModelTest, TypedTimeStopsTheClockAndHourIsChecked)
{
    model.felder().txtUhrzeit = u"10:00"_s;
    zeile(u"2530"_s);
    EXPECT_EQ(f().txtUhrzeit, u"10:00"_s);
    EXPECT_FALSE(f().Zeit);
    EXPECT_EQ(f().txtInput, u"2530"_s); // unrecognised tokens stay visible
    model.setzeEingabe(QString());
    zeile(u"1430"_s);
    EXPECT_EQ(f().txtUhrzeit, u"14:30"_s);
    EXPECT_TRUE(f().Zeit);
    zeile(u"1475"_s);
    EXPECT_EQ(f().txtUhrzeit, u"14:75"_s);
    zeile(u"09:15"_s);
    EXPECT_EQ(f().txtUhrzeit, u"09:15"_s);
}

TEST_F(EntryModelTest, PA5IsACallOtherLocatorPatternsAreLocators)
{
    zeile(u"PA57XY"_s);
    EXPECT_EQ(f().txtCall, u"PA57XY"_s);
    EXPECT_EQ(f().txtLocator, u""_s);
    zeile(u"JO31AB"_s);
    EXPECT_EQ(f().txtLocator, u"JO31AB"_s);

    // With a prefix part the token does not begin with PA5: a locator, and not a valid one.
    zeile(u"OE/PA57XY"_s);
    EXPECT_EQ(f().txtCall, u"PA57XY"_s);
    EXPECT_EQ(f().txtLocator, u""_s);
    EXPECT_EQ(prompter.texte(), QStringList { u"ungültiger Locator!"_s });
}

TEST_F(EntryModelTest, PrefixAndSuffixToggles)
{
    const struct {
        const char16_t* token;
        const char16_t* call;
    } steps[] = {
        { u"DL1ABC", u"DL1ABC" },
        { u"/P", u"DL1ABC/P" },
        { u"/P", u"DL1ABC" },
        { u"OE/", u"OE/DL1ABC" },
        { u"/P", u"OE/DL1ABC/P" },
        { u"OE/", u"DL1ABC/P" },
        { u"XYZ", u"DL1XYZ/P" },
        { u"G4", u"G4XYZ/P" },
        { u"PA3", u"PA3XYZ/P" },
    };
    for (const auto& s : steps) {
        zeile(QString::fromUtf16(s.token));
        EXPECT_EQ(f().txtCall, QString::fromUtf16(s.call)) << QString::fromUtf16(s.token).toStdString();
    }
}

TEST_F(EntryModelTest, LocatorTails)
{
    zeile(u"2CD"_s); // without a complete locator: ignored, and left in the line
    EXPECT_EQ(f().txtLocator, u""_s);
    EXPECT_EQ(f().txtInput, u"2CD"_s);
    model.setzeEingabe(QString());
    zeile(u"JO31AB"_s);
    zeile(u"2CD"_s);
    EXPECT_EQ(f().txtLocator, u"JO32CD"_s);
    zeile(u"42CD"_s);
    EXPECT_EQ(f().txtLocator, u"JO42CD"_s);
}

TEST_F(EntryModelTest, InvalidLocatorIsReportedAndRemovedDistanceStays)
{
    zeile(u"JO31BA"_s);
    ASSERT_EQ(f().txtQRB, u"6"_s);
    zeile(u"JO31AY"_s);
    const Meldung m = prompter.einzige();
    EXPECT_EQ(m.text, u"ungültiger Locator!"_s);
    EXPECT_EQ(m.titel, u"Fehler"_s);
    EXPECT_EQ(m.symbol, Meldung::Symbol::Ausrufezeichen);
    EXPECT_EQ((QStringList { f().txtLocator, f().txtQRB, f().txtWinkel }),
        (QStringList { u""_s, u"6"_s, u"90"_s }));
}

TEST_F(EntryModelTest, SearchLeavesTheLineAndCallsSearch)
{
    zeile(u"?DL1*"_s);
    EXPECT_EQ(actions.calls, QStringList { u"suchen DL1*"_s });
    EXPECT_EQ(f().txtInput, u"?DL1*"_s);
    EXPECT_TRUE(log.zeilen().isEmpty());
}

TEST_F(EntryModelTest, EmptyTokensAreSaveRequestsInLineOrder)
{
    // The save sees the first contact complete; the call after the two blanks starts the next.
    model.felder().txtNummer = u"001"_s;
    zeile(u"DL1ABC JO31AB 59001  G4XYZ"_s);
    EXPECT_EQ(actions.calls, (QStringList { u"prüfen"_s, u"prüfen"_s, u"speichern"_s, u"prüfen"_s }));
    EXPECT_EQ(f().txtCall, u"G4XYZ"_s);

    actions.calls.clear();
    zeile(QString());
    zeile(u" "_s);
    EXPECT_EQ(actions.calls, (QStringList { u"speichern"_s, u"speichern"_s }));
}

TEST_F(EntryModelTest, ReadyLabelNeedsAllFiveFields)
{
    zeile(u"DL1ABC JO31AB"_s);
    EXPECT_FALSE(f().lblOk);
    model.felder().txtNummer = u"001"_s;
    zeile(u"59001"_s);
    EXPECT_TRUE(f().lblOk);
    model.Löschen();
    EXPECT_FALSE(f().lblOk);
}

TEST_F(EntryModelTest, DuplicateQuestionComesAfterTheWholeLine)
{
    actions.beimPrüfen = [&] { model.felder().doppelt = true; };
    zeile(u"DL1ABC JO31AB"_s);
    EXPECT_EQ(actions.calls, (QStringList { u"prüfen"_s, u"prüfen"_s, u"doppelFrage"_s }));
}

TEST_F(EntryModelTest, F12SavesOnlyInLogKeyMode)
{
    model.f12();
    EXPECT_TRUE(actions.calls.isEmpty());
    model.felder().loggen = Speichertaste::F12;
    bool f12BeimSpeichern = false;
    actions.beimSpeichern = [&] { f12BeimSpeichern = f().f12; };
    model.f12();
    EXPECT_EQ(actions.calls, QStringList { u"speichern"_s });
    EXPECT_TRUE(f12BeimSpeichern);
    EXPECT_FALSE(f().f12);
}

TEST_F(EntryModelTest, EscapeResetsEntryAndShowsAll)
{
    model.felder().RST = RstVorgabe::R599;
    model.felder().lblUhrzeit = u"12:34"_s;
    model.felder().txtNummer = u"007"_s;
    zeile(u"DL1ABC/P JO31AB 59001 Q K:hi 1200"_s);
    model.felder().ungültig = true;
    model.escape();
    // The number and the running clock are not touched.
    EXPECT_EQ((QStringList { f().txtCall, f().txtLocator, f().txtRSTerh, f().txtRSTgeg, f().txtUhrzeit,
                  f().txtKommentar, f().txtNummer }),
        (QStringList { u""_s, u""_s, u""_s, u"599"_s, u"12:34"_s, u""_s, u"007"_s }));
    EXPECT_EQ((QList<bool> { f().chkQSL, f().ungültig, f().Zeit }), (QList<bool> { false, false, true }));
    EXPECT_EQ(actions.calls.last(), u"alleAnzeigen"_s);
}

} // namespace
} // namespace tarvex
