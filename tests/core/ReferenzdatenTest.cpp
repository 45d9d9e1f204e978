// Spot checks on the shipped CONTEST.DAT and CALLINFO.MDB as the build makes them from data/.

#include "entry/CallLookup.h"
#include "store/CallInfoDb.h"
#include "store/Connection.h"
#include "store/ContestDat.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString referenzDir = QStringLiteral(TARVEX_TEST_REFERENZ_DIR);

// One call for each route through the prefix table.
TEST(Referenzdaten, CountryOfCall)
{
    ContestDat db(referenzDir);
    CallInfoDb callInfo(referenzDir);
    test::ScriptedPrompter prompter;
    CallLookup lookup(db, callInfo, prompter);
    const std::pair<QString, QString> fälle[] = {
        { u"DL1ABC"_s, u"Deutschland"_s },
        { u"F5ABC"_s, u"Frankreich"_s },
        { u"GM4ABC"_s, u"Schottland"_s },
        { u"G4ABC"_s, u"England"_s },
        { u"2E0ABC"_s, u"England"_s },
        { u"EA8ABC"_s, u"Kanarische Inseln"_s },
        { u"UA2FAA"_s, u"Kaliningrad"_s },
        { u"UA9ABC"_s, u"Russland (Asien)"_s },
        { u"OE/DL1ABC"_s, u"Österreich"_s },
        { u"F/DL1ABC"_s, u"Frankreich"_s },
        { u"EA8/DL1ABC"_s, u"Kanarische Inseln"_s },
        { u"HB0/DL1ABC"_s, u"Liechtenstein"_s },
        { u"QQ9QQ"_s, u""_s },
    };
    for (const auto& [call, land] : fälle)
        EXPECT_EQ(lookup.landFür(call), land) << call.toStdString();
}

TEST(Referenzdaten, PrefixRoutesOfTheIssue)
{
    // DL is found by two characters, F by one: no two-character row repeats France.
    Connection c(QDir(referenzDir).filePath(u"CONTEST.DAT"_s), Connection::Zugriff::NurLesen);
    const auto zeile = [&](const QString& präfix) {
        return c.scalar(u"SELECT LAND FROM PREFIXE WHERE PREFIX=?"_s, { präfix }).toString();
    };
    EXPECT_EQ(zeile(u"F"_s), u"Frankreich"_s);
    EXPECT_EQ(zeile(u"F5"_s), QString());
    EXPECT_EQ(
        c.scalar(u"SELECT count(*) FROM PREFIXE WHERE length(PREFIX) NOT BETWEEN 1 AND 3"_s).toInt(), 0);
}

QSet<QString> länderIm(Connection& c, const QString& square)
{
    QSet<QString> ergebnis;
    for (const QVariantList& z : c.select(u"SELECT LAND FROM SQUARES WHERE SQUARE=?"_s, { square }).zeilen)
        ergebnis.insert(z.value(0).toString());
    return ergebnis;
}

TEST(Referenzdaten, CountriesPerLargeSquare)
{
    Connection c(QDir(referenzDir).filePath(u"CONTEST.DAT"_s), Connection::Zugriff::NurLesen);
    // Borders, enclaves and islands. exakt: the square holds exactly these
    // countries; otherwise at least these.
    const struct {
        const char16_t* square;
        bool exakt;
        std::initializer_list<const char16_t*> mit;
        std::initializer_list<const char16_t*> ohne;
    } fälle[] = {
        { u"JO31", true, { u"Deutschland", u"Niederlande" }, {} },
        { u"JN42", false, { u"Korsika" }, { u"Frankreich" } },
        { u"JN40", false, { u"Sardinien" }, { u"Italien" } },
        { u"JN41", true, { u"Korsika", u"Sardinien" }, {} },
        { u"JN47", true, { u"Deutschland", u"Liechtenstein", u"Österreich", u"Schweiz" }, {} },
        { u"IO74", true, { u"Insel Man", u"Nordirland", u"Schottland" }, {} },
        { u"IN89", true, { u"Guernsey", u"Jersey" }, {} },
        { u"JN61", false, { u"Italien", u"Vatikanstadt", u"Malteserorden" }, {} },
        { u"JN33", true, { u"Frankreich", u"Italien", u"Monaco" }, {} },
        { u"IM76", true, { u"Gibraltar", u"Spanien" }, {} },
        { u"JP90", false, { u"Åland", u"Market Reef", u"Schweden" }, { u"Finnland" } },
        { u"KO04", false, { u"Kaliningrad", u"Polen" }, { u"Russland (Europa)" } },
        { u"IL28", false, { u"Kanarische Inseln" }, { u"Spanien" } },
        { u"IQ50", false, { u"Jan Mayen" }, { u"Norwegen" } },
        { u"HM68", false, { u"Azoren" }, { u"Portugal" } },
        // Russia's land crosses 180°: it must not reach over the Atlantic and Scandinavia.
        { u"IP05", true, { u"Island" }, {} },
        { u"JP66", true, { u"Norwegen" }, {} },
        { u"IQ00", true, {}, {} },
        { u"KP77", false, { u"Russland (Europa)" }, {} },
        // Western Sahara from 27°40' N south, also where the atlas draws Morocco.
        { u"IL26", true, { u"Westsahara" }, {} },
        { u"IL37", true, { u"Marokko", u"Westsahara" }, {} },
        { u"IM56", false, { u"Portugal" }, {} },
    };
    for (const auto& f : fälle) {
        const QString square = QString::fromUtf16(f.square);
        const QSet<QString> ist = länderIm(c, square);
        QSet<QString> mit;
        for (const char16_t* l : f.mit)
            mit.insert(QString::fromUtf16(l));
        if (f.exakt)
            EXPECT_EQ(ist, mit) << square.toStdString();
        else
            EXPECT_TRUE(ist.contains(mit)) << square.toStdString();
        for (const char16_t* l : f.ohne)
            EXPECT_FALSE(ist.contains(QString::fromUtf16(l))) << square.toStdString();
    }
    // The sea has no country, and nothing lies outside the covered area.
    EXPECT_TRUE(länderIm(c, u"IN65"_s).isEmpty()); // Atlantic west of Brittany
    EXPECT_EQ(
        c.scalar(u"SELECT count(*) FROM SQUARES WHERE SQUARE NOT GLOB '[A-R][A-R][0-9][0-9]'"_s).toInt(), 0);
}

QString sortierSchlüssel(QString s)
{
    // Umlauts as their base letter: decompose and drop the marks.
    s = s.normalized(QString::NormalizationForm_D);
    s.removeIf([](QChar ch) { return ch.isMark(); });
    return s.replace(u"ß"_s, u"ss"_s).toLower();
}

TEST(Referenzdaten, CountryListIsCompleteAndSortedTheGermanWay)
{
    ContestDat db(referenzDir);
    const QStringList liste = db.länder();
    ASSERT_GT(liste.size(), 300);
    for (qsizetype i = 1; i < liste.size(); ++i)
        EXPECT_LT(sortierSchlüssel(liste[i - 1]), sortierSchlüssel(liste[i])) << liste[i].toStdString();
    EXPECT_LT(liste.indexOf(u"Oman"_s), liste.indexOf(u"Österreich"_s)); // Ö sorts as O

    Connection c(QDir(referenzDir).filePath(u"CONTEST.DAT"_s), Connection::Zugriff::NurLesen);
    const QSet<QString> länder(liste.cbegin(), liste.cend());
    for (const QString& tabelle : { u"PREFIXE"_s, u"SQUARES"_s }) {
        for (const QVariantList& z : c.select(u"SELECT DISTINCT LAND FROM "_s + tabelle).zeilen) {
            const QString name = z.value(0).toString();
            EXPECT_TRUE(länder.contains(name)) << name.toStdString();
            EXPECT_LE(name.size(), 20) << name.toStdString(); // the log's Land field
        }
    }
    EXPECT_EQ(c.scalar(u"SELECT count(*) FROM STATIONS"_s).toInt(), 0);
}

TEST(Referenzdaten, CallInfoHoldsTheProgramsOwnCallAndSeededDoks)
{
    CallInfoDb db(referenzDir);
    EXPECT_EQ(db.name(u"QQ9QQ"_s), u"Tarvex"_s);
    Connection c(QDir(referenzDir).filePath(u"CALLINFO.MDB"_s), Connection::Zugriff::NurLesen);
    EXPECT_EQ(c.scalar(u"SELECT DOK FROM CALLINFO WHERE Rufzeichen='DA0RC'"_s).toString(), u"DARC"_s);
    EXPECT_GT(c.scalar(u"SELECT count(*) FROM CALLINFO"_s).toInt(), 3000);
}

} // namespace
} // namespace tarvex
