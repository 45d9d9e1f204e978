#include "store/BandTabelle.h"
#include "common/Val.h"
#include "store/ContestDatabase.h"
#include "store/Gueltigkeit.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// Every field distinct and one character beyond its width, so a field read
// into the wrong member or not cut on the way in shows.
QsoRecord überBreit()
{
    const auto f = [](QChar c, int breite) { return QString(breite + 1, c); };
    return { 4711, f(u'a', 8), f(u'b', 5), f(u'c', 15), f(u'd', 8), f(u'e', 8), f(u'g', 6), f(u'h', 5),
        f(u'i', 3), f(u'j', 9), f(u'k', 4), f(u'l', 20), f(u'm', 12), true };
}

QsoRecord gekürzt(QsoRecord q)
{
    for (QString* feld : { &q.datum, &q.zeit, &q.rufzeichen, &q.rstGeg, &q.rstErh, &q.locator, &q.punkte,
             &q.winkel, &q.kernCall, &q.square, &q.land, &q.kommentar })
        feld->chop(1);
    return q;
}

TEST(BandTabelle, EveryFieldComesBackOnEveryReadingPath)
{
    test::WorkDir dir;
    auto db = ContestDatabase::anlegen(u"R.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    const QsoRecord erwartet = gekürzt(überBreit());
    const qint64 rowid = db.qsoSpeichern(u"144MHz"_s, überBreit(), u"x"_s);

    QsoRecord durchlaufen;
    db.qsosDurchlaufen(u"144MHz"_s, [&](const QsoRecord& q) { durchlaufen = q; });

    const QList<QslAbfrage::Zeile> qsl = db.qslAuswahl(u"144MHz"_s, u"*"_s, -1);
    ASSERT_EQ(qsl.size(), 1);
    const std::pair<const char*, QsoRecord> wege[] = {
        { "one by rowid", db.qso(u"144MHz"_s, rowid) },
        { "the whole band", db.qsos(u"144MHz"_s).value(0) },
        { "the one pass of the outputs", durchlaufen },
        { "the QSL selection", qsl[0].qso },
    };
    for (const auto& [weg, gelesen] : wege)
        EXPECT_EQ(gelesen, erwartet) << weg;
    EXPECT_EQ(qsl[0].rowid, rowid);
    EXPECT_TRUE(qsl[0].mitNummer);

    // A change writes all fourteen fields, cut the same way.
    QsoRecord anders = überBreit();
    anders.nummer = 12;
    anders.rufzeichen = u"DL1ABC"_s;
    anders.qsl = false;
    db.qsoÄndern(u"144MHz"_s, rowid, anders);
    QsoRecord geändert = erwartet;
    geändert.nummer = 12;
    geändert.rufzeichen = u"DL1ABC"_s;
    geändert.qsl = false;
    EXPECT_EQ(db.qso(u"144MHz"_s, rowid), geändert);
}

TEST(BandTabelle, TheOnePassGivesEachContactAsStoredAndCopiesKeepTheirValues)
{
    // Longer, shorter, non-ASCII and empty texts after each other: the pass reuses one
    // record, and a copy taken by an output must not change with the next contact.
    test::WorkDir dir;
    auto db = ContestDatabase::anlegen(u"R.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    QList<QsoRecord> gespeichert;
    for (const auto& [call, land, kommentar] : { std::tuple { u"DL1ABC"_s, u"Deutschland"_s, u"gut"_s },
             std::tuple { u"G4X"_s, u"England"_s, u""_s },
             std::tuple { u"OE3XYZ"_s, u"Österreich"_s, u"früh"_s },
             std::tuple { u"F5AB"_s, u"Frankreich"_s, u"x"_s } }) {
        QsoRecord q = gekürzt(überBreit());
        q.rufzeichen = call;
        q.land = land;
        q.kommentar = kommentar;
        db.qsoSpeichern(u"144MHz"_s, q, u"x"_s);
        gespeichert.append(q);
    }
    QList<QsoRecord> kopien;
    db.qsosDurchlaufen(u"144MHz"_s, [&](const QsoRecord& q) { kopien.append(q); });
    EXPECT_EQ(kopien, gespeichert);
}

TEST(BandTabelle, ImportKeepsOrderAndCutsLikeTheSave)
{
    test::WorkDir dir;
    auto db = ContestDatabase::anlegen(u"I.mdb"_s, { u"432MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
    QsoRecord zweiter = überBreit();
    zweiter.nummer = 2;
    zweiter.qsl = false;
    db.qsosImportieren(u"432MHz"_s, { überBreit(), zweiter });
    EXPECT_EQ(db.qsos(u"432MHz"_s), (QList<QsoRecord> { gekürzt(überBreit()), gekürzt(zweiter) }));
}

TEST(BandTabelle, OnlyBandsOfTheBandListAreTables)
{
    for (const QString& name : { u"TMP"_s, u"PARAM"_s, u"144MHz\"; DROP TABLE x; --"_s, u""_s })
        EXPECT_ANY_THROW(bandTabelleSql(name)) << name.toStdString();
    EXPECT_EQ(bandTabelleSql(u"144MHz"_s), u"\"144MHz\""_s);
}

// Whatever the window, a contact is left out exactly when it is invalid: the
// rule is the same in C++ and in every statement.
TEST(Gueltigkeit, OneRuleForEveryReadOfTheWindows)
{
    const struct {
        const char16_t* punkte;
        bool gültig;
    } fälle[] = {
        { u"-----", false },
        { u"523", true },
        { u"0", true },
        { u"", true },
        { u"----", true },
        { u"-- --", true },
    };
    for (const auto& f : fälle) {
        const QString punkte = QString::fromUtf16(f.punkte);
        SCOPED_TRACE(punkte.toStdString());
        test::WorkDir dir;
        auto db = ContestDatabase::anlegen(u"G.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
        db.qsoSpeichern(u"144MHz"_s,
            { 1, u"04.12.26"_s, u"14:05"_s, u"DL1ABC"_s, u"59001"_s, u"59012"_s, u"JO62AB"_s, punkte, u"87"_s,
                u"DL1ABC"_s, u"JO62"_s, u"Deutschland"_s, u" "_s, false },
            u"x"_s);
        const qsizetype n = f.gültig ? 1 : 0;
        EXPECT_EQ(istGültig(punkte), f.gültig);
        EXPECT_EQ(db.bekannteStationen().size(), n);
        // Earlier contacts are only those that scored.
        EXPECT_EQ(db.frühere(u"144MHz"_s, u"DL1ABC"_s, u"JO62AB"_s).size(), Val(punkte) > 0 ? 1 : 0);
    }
}

} // namespace
} // namespace tarvex
