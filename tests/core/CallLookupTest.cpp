#include "entry/Locator.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QFile>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class CallLookupTest : public test::ContestFixture { };

// The entry and the edit panel find the country by the same steps.
TEST_F(CallLookupTest, CountryByPrefixStepsInEntryAndEditPanel)
{
    // "C:" after a call with a prefix part must not keep the old prefix for the country.
    zeile(u"OE/DL1ABC"_s);
    EXPECT_EQ(f().lblLand, u"Österreich"_s);
    zeile(u"C:G4ABC"_s);
    EXPECT_EQ(f().lblLand, u"England"_s);

    logge(u"JO31AB 59001"_s);
    const std::pair<QString, QString> cases[] = {
        { u"DL1ABC"_s, u"Deutschland"_s }, // 2 characters
        { u"F5ABC"_s, u"Frankreich"_s }, // 1 character, after 2 and 3 found nothing
        { u"OE/DL1ABC"_s, u"Österreich"_s }, // the prefix part alone
        { u"OK1/DL1ABC"_s, u""_s }, // not shortened to OK
        { u"DL8/G4AB"_s, u"Deutschland"_s }, // short: the slash at 4 begins a suffix
        { u"LY2ABC"_s, u""_s }, // unknown
    };
    for (const auto& [call, land] : cases) {
        SCOPED_TRACE(call.toStdString());
        model.entry().Löschen();
        zeile(u"C:"_s + call);
        EXPECT_EQ(f().lblLand, land);
        model.alleAnzeigen();
        ASSERT_TRUE(model.bearbeitung().öffnen(0));
        model.bearbeitung().qso().rufzeichen = call;
        model.bearbeitung().ok();
        ASSERT_FALSE(model.bearbeitung().offen());
        EXPECT_EQ(band()[0].land, land.isEmpty() ? u" "_s : land);
    }
}

TEST_F(CallLookupTest, InfoLineVariants)
{
    {
        Connection dat(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
        dat.execute(u"INSERT INTO STATIONS VALUES(?,?)"_s, { u"PA3XYZ"_s, u"JO22AA "_s });
    }
    const std::pair<QString, QString> cases[] = {
        { u"DK2XY"_s, u"Info: (Eva, JO62QM )"_s }, // name and one known locator
        { u"DL1ABC"_s, u"Info: (Hans, JO31AB JO32CD JO42EF )"_s }, { u"G4ABC"_s, u"Info: ()"_s },
        { u"PA3XYZ"_s, u"Info: (JO22AA )"_s }, // known locator, no name
    };
    for (const auto& [call, info] : cases) {
        model.entry().Löschen();
        zeile(call);
        EXPECT_EQ(f().lblInfo, info);
    }
    EXPECT_EQ(f().txtLocator, u"JO22AA"_s); // an empty locator takes the known one
    EXPECT_FALSE(f().cboLocatorSichtbar); // one locator: no choice
}

TEST_F(CallLookupTest, LocatorChoiceList)
{
    const QStringList drei { u"JO31AB"_s, u"JO32CD"_s, u"JO42EF"_s };
    // Empty locator field: it takes the first, the list offers all three, first selected.
    zeile(u"DL1ABC"_s);
    EXPECT_EQ(f().txtLocator, u"JO31AB"_s);
    EXPECT_EQ(f().cboLocator, drei);
    EXPECT_EQ(f().cboLocatorIndex, 0);
    EXPECT_TRUE(f().cboLocatorSichtbar && f().frame1Aktiv);

    // A known locator already entered: that entry is selected.
    model.entry().Löschen();
    zeile(u"JO42EF DL1ABC"_s);
    EXPECT_EQ(f().cboLocator, drei);
    EXPECT_EQ(f().cboLocatorIndex, 2);

    // An unknown locator entered: offered first and selected.
    model.entry().Löschen();
    zeile(u"JO30AA DL1ABC"_s);
    EXPECT_EQ(f().cboLocator, QStringList { u"JO30AA"_s } + drei);
    EXPECT_EQ(f().cboLocatorIndex, 0);

    // Choosing an entry sets the locator and its distance.
    model.locatorGewählt(3);
    EXPECT_EQ(f().txtLocator, u"JO42EF"_s);
    EXPECT_EQ(f().txtQRB, QString::number(Abstand(u"JO31AA"_s, u"JO42EF"_s).km));

    model.entry().Löschen();
    EXPECT_FALSE(f().cboLocatorSichtbar || f().frame1Aktiv);
    EXPECT_TRUE(f().cboLocator.isEmpty());
}

TEST_F(CallLookupTest, SquareMismatchIsReportedAfterEachTokenWhileItLasts)
{
    zeile(u"F5ABC JO31AB"_s); // France is not in JO31
    EXPECT_TRUE(prompter.einzige().text.contains(u"passen nicht zusammen"_s));
    zeile(u"59001"_s); // no call or locator change: no look-up
    EXPECT_EQ(prompter.texte().size(), 1);
    zeile(u"/P"_s);
    EXPECT_EQ(prompter.texte().size(), 2);
    zeile(u"JN18AA"_s);
    EXPECT_EQ(prompter.texte().size(), 2);

    prompter.vergiss();
    model.entry().Löschen();
    zeile(u"LY2ABC JO31AB"_s); // unknown country: no message
    EXPECT_TRUE(prompter.texte().isEmpty());
}

// The cores decide, whichever side carries a prefix or suffix.
TEST_F(CallLookupTest, PortablePrefixIsTheSameStationEitherWay)
{
    logge(u"OE/DL1ABC JO31AB 59001"_s);
    // Cancel, the default answer, drops the entry.
    zeile(u"DL1ABC/P"_s);
    EXPECT_TRUE(prompter.gezeigt().last().text.contains(u"Doppelverbindung"_s));
    EXPECT_EQ(prompter.gezeigt().last().standard, Meldung::Antwort::Abbrechen);
    EXPECT_EQ(f().txtCall, u""_s);
    EXPECT_EQ(model.logList().filter(), LogList::Filter::Alle);

    const std::pair<QString, bool> cases[] = { { u"DL1ABD"_s, false }, { u"DL1ABC"_s, true },
        { u"OE/DL1ABC"_s, true }, { u"F/DL1ABC/P"_s, true } };
    for (const auto& [call, doppelt] : cases) {
        SCOPED_TRACE(call.toStdString());
        model.entry().Löschen();
        prompter.vergiss();
        if (doppelt)
            prompter.antworte(Meldung::Antwort::Ok);
        zeile(call);
        EXPECT_EQ(prompter.texte().join(u' ').contains(u"Doppelverbindung"_s), doppelt);
        EXPECT_EQ(f().ungültig, doppelt);
    }
    // Changing the call withdraws the duplicate just accepted.
    zeile(u"G4"_s);
    EXPECT_FALSE(f().ungültig);
}

// Only the first contact listed decides: a station listed below an earlier
// contact in its locator is not reported.
TEST_F(CallLookupTest, OnlyTheFirstListedContactCounts)
{
    logge(u"DL1ABC JO31AB 59001"_s);
    logge(u"DK2XY JO31AB 59002"_s);
    prompter.vergiss();
    zeile(u"JO31AB DK2XY"_s);
    EXPECT_EQ(model.logList().rowCount(), 2);
    EXPECT_EQ(model.logList().rufzeichenAt(0), u"DL1ABC"_s);
    EXPECT_FALSE(f().doppelt);
    EXPECT_TRUE(prompter.texte().isEmpty());
}

TEST_F(CallLookupTest, MissingReferenceFilesAreReportedOnceAndEntryGoesOn)
{
    ASSERT_TRUE(QFile::remove(u"CONTEST.DAT"_s));
    ASSERT_TRUE(QFile::remove(u"CALLINFO.MDB"_s));
    zeile(u"DL1ABC JO31AB"_s);
    zeile(u"G4XYZ"_s);
    const QString texte = prompter.texte().join(u' ');
    EXPECT_EQ(prompter.texte().size(), 2) << texte.toStdString();
    EXPECT_TRUE(texte.contains(u"CONTEST.DAT"_s) && texte.contains(u"CALLINFO.MDB"_s)) << texte.toStdString();
    EXPECT_EQ(f().lblLand, u""_s);
    EXPECT_EQ(f().lblInfo, u"Info: ()"_s);
    // Without a country list to choose from, the contact is saved without a country.
    logge(u"59001"_s);
    ASSERT_EQ(band().size(), 1);
    EXPECT_EQ(band()[0].rufzeichen, u"G4XYZ"_s);
}

TEST_F(CallLookupTest, DamagedContestDatIsTreatedLikeAMissingOne)
{
    const QByteArray gut = test::dateiInhalt(u"CONTEST.DAT"_s);
    ASSERT_GT(gut.size(), 8192);
    const auto ersetze = [](const QByteArray& inhalt) {
        QFile::remove(u"CONTEST.DAT"_s);
        test::schreibeDatei(u"CONTEST.DAT"_s, inhalt);
    };
    const QByteArray ohnePräfixe = [] {
        test::ContestDatInhalt inhalt;
        inhalt.länder = { u"Deutschland"_s };
        test::schreibeContestDat(u"OHNE.DAT"_s, inhalt);
        Connection c(u"OHNE.DAT"_s, Connection::Zugriff::LesenSchreiben);
        c.exec(u"DROP TABLE PREFIXE"_s);
        return test::dateiInhalt(u"OHNE.DAT"_s);
    }();
    const struct {
        const char* fall;
        QByteArray inhalt;
    } cases[] = {
        { "leer", QByteArray() },
        { "Müll", QByteArray(20000, 'x') },
        { "abgeschnitten", gut.left(8192) },
        { "ohne PREFIXE", ohnePräfixe },
    };
    int nummer = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fall);
        // A good file in between, so that each damage is news to the operator.
        ersetze(gut);
        model.entry().Löschen();
        zeile(u"F5ABC"_s);
        ASSERT_EQ(f().lblLand, u"Frankreich"_s);
        ersetze(c.inhalt);
        prompter.vergiss();
        model.entry().Löschen();
        const QString call = u"G4XY"_s + QChar(u'A' + nummer);
        zeile(call + u" JO31AB"_s);
        logge(u"5900"_s + QString::number(nummer));
        // One German message naming the file, no engine text, no question: the contact is stored.
        const QString text = prompter.einzige().text;
        EXPECT_TRUE(text.contains(u"CONTEST.DAT"_s) && text.contains(u"beschädigt"_s)) << text.toStdString();
        ASSERT_EQ(band().size(), nummer);
        EXPECT_EQ(band().last().rufzeichen, call);
        ++nummer;
    }

    // Restored: countries are found again.
    ersetze(gut);
    model.entry().Löschen();
    zeile(u"G4XYZ"_s);
    EXPECT_EQ(f().lblLand, u"England"_s);
}

TEST_F(CallLookupTest, LockedContestDatIsReportedAndReadAgainWhenFree)
{
    zeile(u"G4XYZ"_s);
    EXPECT_EQ(f().lblLand, u"England"_s);
    {
        // Another program has changed the file and is still writing it: the
        // changed file is opened afresh, and the lock is met there.
        Connection schreiber(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
        schreiber.exec(u"INSERT INTO COUNTRY VALUES('Litauen')"_s);
        schreiber.exec(u"BEGIN EXCLUSIVE"_s);
        schreiber.exec(u"INSERT INTO COUNTRY VALUES('Lettland')"_s);
        model.entry().Löschen();
        prompter.vergiss();
        zeile(u"F5ABC"_s);
        EXPECT_EQ(f().lblLand, u""_s);
        const QString text = prompter.einzige().text;
        EXPECT_TRUE(text.contains(u"anderen Programm"_s)) << text.toStdString();
        schreiber.exec(u"ROLLBACK"_s);
    }
    model.entry().Löschen();
    zeile(u"F5ABC"_s);
    EXPECT_EQ(f().lblLand, u"Frankreich"_s);
}

} // namespace
} // namespace tarvex
