#include "entry/Locator.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <QFile>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class CallLookupTest : public test::ContestFixture {};

TEST_F(CallLookupTest, CountryByPrefixSteps)
{
    const struct {
        const char16_t* call;
        const char16_t* land;
    } cases[] = {
        {u"DL1ABC", u"Deutschland"},   // 2 characters
        {u"F5ABC", u"Frankreich"},     // 1 character, after 2 and 3 found nothing
        {u"OE/DL1ABC", u"Österreich"}, // the prefix part alone
        {u"G4ABC/P", u"England"},
        {u"LY2ABC", u""},              // unknown
    };
    for (const auto& c : cases) {
        model.entry().Löschen();
        zeile(QString::fromUtf16(c.call));
        EXPECT_EQ(f().lblLand, QString::fromUtf16(c.land)) << QString::fromUtf16(c.call).toStdString();
    }
}

TEST_F(CallLookupTest, EditPanelFindsTheCountryByTheSameRule)
{
    // "C:" after a call with a prefix part must not keep the old prefix for the country.
    zeile(u"OE/DL1ABC"_s);
    EXPECT_EQ(f().lblLand, u"Österreich"_s);
    zeile(u"C:G4ABC"_s);
    EXPECT_EQ(f().lblLand, u"England"_s);

    logge(u"JO31AB 59001"_s);
    ASSERT_EQ(band().size(), 1);
    for (const char16_t* c : {u"DL1ABC", u"F5ABC", u"OE/DL1ABC", u"OK1/DL1ABC", u"DL8/G4AB", u"G4ABC/P", u"LY2ABC"}) {
        const QString call = QString::fromUtf16(c);
        model.entry().Löschen();
        zeile(u"C:"_s + call);
        const QString imEintrag = f().lblLand;
        model.alleAnzeigen();
        ASSERT_TRUE(model.bearbeitung().öffnen(0));
        model.bearbeitung().qso().rufzeichen = call;
        model.bearbeitung().ok();
        ASSERT_FALSE(model.bearbeitung().offen());
        const QString gespeichert = band()[0].land;
        EXPECT_EQ(gespeichert, imEintrag.isEmpty() ? u" "_s : imEintrag) << call.toStdString();
    }
}

TEST_F(CallLookupTest, InfoLineVariants)
{
    const struct {
        const char16_t* call;
        const char16_t* info;
    } cases[] = {
        {u"DK2XY", u"Info: (Eva, JO62QM )"}, // name and one known locator
        {u"DL1ABC", u"Info: (Hans, JO31AB JO32CD JO42EF )"},
        {u"G4ABC", u"Info: ()"},
    };
    for (const auto& c : cases) {
        model.entry().Löschen();
        zeile(QString::fromUtf16(c.call));
        EXPECT_EQ(f().lblInfo, QString::fromUtf16(c.info));
    }
    // Known locator, no name.
    model.entry().Löschen();
    {
        Connection dat(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
        dat.execute(u"INSERT INTO STATIONS VALUES(?,?)"_s, {u"PA3XYZ"_s, u"JO22AA "_s});
    }
    zeile(u"PA3XYZ"_s);
    EXPECT_EQ(f().lblInfo, u"Info: (JO22AA )"_s);
    EXPECT_EQ(f().txtLocator, u"JO22AA"_s); // an empty locator takes the known one
    EXPECT_FALSE(f().cboLocatorSichtbar);    // one locator: no choice
}

TEST_F(CallLookupTest, LocatorChoiceList)
{
    const QStringList drei{u"JO31AB"_s, u"JO32CD"_s, u"JO42EF"_s};
    // Empty locator field: it takes the first, the list offers all three, first selected.
    zeile(u"DL1ABC"_s);
    EXPECT_EQ(f().txtLocator, u"JO31AB"_s);
    EXPECT_EQ(f().cboLocator, drei);
    EXPECT_EQ(f().cboLocatorIndex, 0);
    EXPECT_TRUE(f().cboLocatorSichtbar);
    EXPECT_TRUE(f().frame1Aktiv);

    // A known locator already entered: that entry is selected.
    model.entry().Löschen();
    zeile(u"JO42EF DL1ABC"_s);
    EXPECT_EQ(f().cboLocator, drei);
    EXPECT_EQ(f().cboLocatorIndex, 2);

    // An unknown locator entered: offered first and selected.
    model.entry().Löschen();
    zeile(u"JO30AA DL1ABC"_s);
    EXPECT_EQ(f().cboLocator, QStringList{u"JO30AA"_s} + drei);
    EXPECT_EQ(f().cboLocatorIndex, 0);

    // Choosing an entry sets the locator and its distance.
    model.locatorGewählt(3);
    EXPECT_EQ(f().txtLocator, u"JO42EF"_s);
    EXPECT_EQ(f().txtQRB, QString::number(Abstand(u"JO31AA"_s, u"JO42EF"_s).km));

    model.entry().Löschen();
    EXPECT_FALSE(f().cboLocatorSichtbar);
    EXPECT_FALSE(f().frame1Aktiv);
    EXPECT_TRUE(f().cboLocator.isEmpty());
}

TEST_F(CallLookupTest, SquareMismatchIsReportedAfterEachTokenWhileItLasts)
{
    const QString meldung = u"Rufzeichenpräfix und Locator passen nicht zusammen!"_s;
    zeile(u"F5ABC JO31AB"_s); // France is not in JO31
    EXPECT_EQ(prompter.texte(), QStringList{meldung});
    zeile(u"59001"_s);        // no call or locator change: no look-up
    EXPECT_EQ(prompter.texte().size(), 1);
    zeile(u"/P"_s);
    EXPECT_EQ(prompter.texte().size(), 2);
    zeile(u"JN18AA"_s);
    EXPECT_EQ(prompter.texte().size(), 2);
    EXPECT_EQ(prompter.gezeigt().first().titel, u"Fehler"_s);

    prompter.vergiss();
    model.entry().Löschen();
    zeile(u"LY2ABC JO31AB"_s); // unknown country: no message
    EXPECT_TRUE(prompter.texte().isEmpty());
}

TEST_F(CallLookupTest, EarlierContactsAndDuplicates)
{
    logge(u"DL1ABC JO31AB 59001"_s);
    ASSERT_EQ(band().size(), 1);

    zeile(u"DL1ABC/P"_s); // same core: duplicate, asked after the line; Cancel drops it
    EXPECT_EQ(prompter.gezeigt().last().text, u"Doppelverbindung\n\ntrotzdem speichern?"_s);
    EXPECT_EQ(prompter.gezeigt().last().titel, u"Achtung"_s);
    EXPECT_EQ(prompter.gezeigt().last().standard, Meldung::Antwort::Abbrechen);
    EXPECT_EQ(f().txtCall, u""_s);
    EXPECT_EQ(model.logList().filter(), LogList::Filter::Alle);

}

TEST_F(CallLookupTest, PortablePrefixIsTheSameStationEitherWay)
{
    // Stored call, entered call: the cores decide, whichever side carries the prefix.
    const struct {
        const char16_t* gespeichert;
        const char16_t* eingegeben;
        int doppelt;
    } cases[] = {
        {u"OE/DL1ABC", u"DL1ABC", 1},    {u"DL1ABC", u"OE/DL1ABC", 1}, {u"OE/DL1ABC", u"OE/DL1ABC", 1},
        {u"OE/DL1ABC", u"F/DL1ABC/P", 1}, {u"OE/DL1ABC", u"DL1ABD", 0},
    };
    for (const auto& c : cases) {
        model.alleAnzeigen();
        if (model.logList().rowCount() > 0) {
            prompter.antworte(Meldung::Antwort::Ja);
            model.letztenLöschen(model.logList().rowCount() - 1);
        }
        ASSERT_EQ(band().size(), 0);
        model.entry().Löschen();
        logge(QString::fromUtf16(c.gespeichert) + u" JO31AB 59001"_s);
        ASSERT_EQ(band().size(), 1);
        model.entry().Löschen();
        prompter.vergiss();
        prompter.antworte(Meldung::Antwort::Ok);
        zeile(QString::fromUtf16(c.eingegeben));
        const QString fall = QString::fromUtf16(c.gespeichert) + u" → "_s + QString::fromUtf16(c.eingegeben);
        EXPECT_EQ(prompter.texte().contains(u"Doppelverbindung\n\ntrotzdem speichern?"_s), c.doppelt == 1)
            << fall.toStdString();
        EXPECT_EQ(f().ungültig, c.doppelt == 1) << fall.toStdString();
    }
}

TEST_F(CallLookupTest, InvalidContactsAreNotListedAndOnlyTheFirstListedCounts)
{
    prompter.antworte(Meldung::Antwort::Ok);
    logge(u"DL1ABC JO31AB 59001"_s);
    logge(u"DL1ABC JO31AB 59002"_s); // accepted duplicate → stored invalid
    ASSERT_EQ(band().size(), 2);
    EXPECT_EQ(band()[1].punkte, u"-----"_s);

    // Only valid contacts are listed; the invalid one never counts.
    model.entry().Löschen();
    zeile(u"DK2XY JO31AB"_s); // same locator as DL1ABC: listed first
    EXPECT_EQ(model.logList().rowCount(), 1);
    EXPECT_FALSE(f().doppelt);
    logge(u"59003"_s);
    prompter.vergiss();

    // DK2XY is now second in the list for JO31AB: not reported.
    zeile(u"JO31AB DK2XY"_s);
    EXPECT_EQ(model.logList().rowCount(), 2);
    EXPECT_EQ(model.logList().rufzeichenAt(0), u"DL1ABC"_s);
    EXPECT_FALSE(f().doppelt);
    EXPECT_TRUE(prompter.texte().isEmpty());
}

TEST_F(CallLookupTest, DuplicateAfterInvalidDeclaredIsNot)
{
    logge(u"DL1ABC JO31AB 59001"_s);
    model.ungültigErklären(0);
    zeile(u"DL1ABC"_s);
    EXPECT_FALSE(f().doppelt);
    EXPECT_EQ(model.logList().rowCount(), 0);
}

TEST_F(CallLookupTest, ChangingTheCallWithdrawsAnAcceptedDuplicate)
{
    logge(u"DL1ABC JO31AB 59001"_s);
    prompter.antworte(Meldung::Antwort::Ok);
    zeile(u"DL1ABC"_s);
    EXPECT_TRUE(f().ungültig);
    zeile(u"G4"_s); // G4ABC: no earlier contact
    EXPECT_FALSE(f().ungültig);
}

TEST_F(CallLookupTest, MissingReferenceFilesAreReportedOnceAndEntryGoesOn)
{
    ASSERT_TRUE(QFile::remove(u"CONTEST.DAT"_s));
    ASSERT_TRUE(QFile::remove(u"CALLINFO.MDB"_s));
    zeile(u"DL1ABC JO31AB"_s);
    zeile(u"G4XYZ"_s);
    const QStringList texte = prompter.texte();
    ASSERT_EQ(texte.size(), 2);
    EXPECT_TRUE(texte[0].contains(u"CALLINFO.MDB"_s) || texte[0].contains(u"CONTEST.DAT"_s));
    EXPECT_TRUE(texte.join(u' ').contains(u"CONTEST.DAT"_s));
    EXPECT_TRUE(texte.join(u' ').contains(u"CALLINFO.MDB"_s));
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
        QFile datei(u"CONTEST.DAT"_s);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    };
    const QByteArray ohnePräfixe = [] {
        test::ContestDatInhalt inhalt;
        inhalt.länder = {u"Deutschland"_s};
        test::schreibeContestDat(u"OHNE.DAT"_s, inhalt);
        Connection c(u"OHNE.DAT"_s, Connection::Zugriff::LesenSchreiben);
        c.exec(u"DROP TABLE PREFIXE"_s);
        return test::dateiInhalt(u"OHNE.DAT"_s);
    }();
    const struct {
        const char* fall;
        QByteArray inhalt;
    } cases[] = {
        {"leer", QByteArray()},
        {"Müll", QByteArray(20000, 'x')},
        {"abgeschnitten", gut.left(8192)},
        {"ohne PREFIXE", ohnePräfixe},
    };
    int nummer = 1;
    for (const auto& c : cases) {
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
        EXPECT_EQ(prompter.texte().size(), 1) << c.fall << " " << prompter.texte().join(u'|').toStdString();
        const QString text = prompter.texte().value(0);
        EXPECT_TRUE(text.contains(u"CONTEST.DAT"_s) && text.contains(u"beschädigt"_s)) << c.fall << text.toStdString();
        ASSERT_EQ(band().size(), nummer) << c.fall;
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
        ASSERT_EQ(prompter.texte().size(), 1);
        EXPECT_TRUE(prompter.texte()[0].contains(u"anderen Programm"_s)) << prompter.texte()[0].toStdString();
        schreiber.exec(u"ROLLBACK"_s);
    }
    model.entry().Löschen();
    zeile(u"F5ABC"_s);
    EXPECT_EQ(f().lblLand, u"Frankreich"_s);
}

} // namespace
} // namespace tarvex
