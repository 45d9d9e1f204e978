#include "callinfo/CallInfoModel.h"
#include "store/Connection.h"
#include "support/ContestFixture.h"

#include <QFile>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::ContestFixture;

class CallInfoModelTest : public ContestFixture {
protected:
    CallInfoModelTest()
    {
        QFile::remove(u"CALLINFO.MDB"_s);
        test::schreibeCallInfo(u"CALLINFO.MDB"_s,
            { { u"QQ9QQ"_s, u"Tarvex"_s }, { u"DL1ABC"_s, u"Hans"_s }, { u"PA0AAA"_s, u"Piet"_s },
                { u"DL9ZZ"_s, u"Uwe"_s }, { u"DK2XY"_s, u"Eva"_s } });
        prompter.vergiss();
    }

    QStringList calls() const
    {
        QStringList result;
        Connection c(u"CALLINFO.MDB"_s, Connection::Zugriff::NurLesen);
        for (const QVariantList& z : c.select(u"SELECT Rufzeichen FROM CALLINFO ORDER BY rowid"_s).zeilen)
            result.append(z.value(0).toString());
        return result;
    }

    CallInfoModel ci { model, callInfo, prompter };
    int verlassen = 0;
    QMetaObject::Connection zähler
        = QObject::connect(&ci, &CallInfoModel::verlassen, [this] { ++verlassen; });
};

TEST_F(CallInfoModelTest, ActivationOpensOnTheTypedCallWhenItHasAnEntry)
{
    struct Fall {
        QString getippt;
        int anzahl;
        QString erster;
        bool gesucht;
    };
    const Fall fälle[] = {
        { QString(), 5, u"QQ9QQ"_s, false }, { u"PA0AAA"_s, 1, u"PA0AAA"_s, true },
        { u"DL7NIX"_s, 5, u"QQ9QQ"_s, false }, // no entry: the whole table from its first record
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.getippt.toStdString());
        model.entry().Löschen();
        if (!f.getippt.isEmpty())
            zeile(f.getippt);
        ci.aktivieren();
        EXPECT_EQ(ci.anzahl(), f.anzahl);
        EXPECT_EQ(ci.eintrag().rufzeichen, f.erster);
        EXPECT_EQ(ci.Data1Caption(), u"0"_s);
        EXPECT_EQ(ci.gesucht(), f.gesucht);
    }
}

TEST_F(CallInfoModelTest, NavigationStopsAtBothEndsAndCaptionCountsFromZero)
{
    ci.aktivieren();
    using Schritt = void (CallInfoModel::*)();
    const std::pair<Schritt, QString> schritte[] = {
        { &CallInfoModel::voriger, u"0"_s },
        { &CallInfoModel::nächster, u"1"_s },
        { &CallInfoModel::letzter, u"4"_s },
        { &CallInfoModel::nächster, u"4"_s },
        { &CallInfoModel::voriger, u"3"_s },
        { &CallInfoModel::erster, u"0"_s },
    };
    for (const auto& [schritt, caption] : schritte) {
        (ci.*schritt)();
        EXPECT_EQ(ci.Data1Caption(), caption);
    }
    ci.letzter();
    EXPECT_EQ(ci.eintrag().rufzeichen, u"DK2XY"_s);
    EXPECT_EQ(ci.eintrag().name, u"Eva"_s);
}

TEST_F(CallInfoModelTest, SearchEscUndoesItAndTheSecondEscCloses)
{
    ci.aktivieren();
    prompter.antworteEingabe(u"dl*"_s);
    ci.cmdSuchen();
    ASSERT_EQ(prompter.gefragt().size(), 1);
    EXPECT_EQ(prompter.gefragt()[0].vorgabe, u"*"_s);
    EXPECT_EQ(ci.anzahl(), 2);
    EXPECT_EQ(ci.eintrag().rufzeichen, u"DL1ABC"_s);

    ci.escape();
    EXPECT_EQ(ci.anzahl(), 5);
    EXPECT_FALSE(ci.gesucht());
    EXPECT_EQ(verlassen, 0);
    ci.escape();
    EXPECT_EQ(verlassen, 1);

    // Cancelled, empty, a quote and "?" patterns: no error, and only what
    // matches; without records the caption is -1 and the moves do nothing.
    const std::pair<std::optional<QString>, int> suchen[]
        = { { std::nullopt, 0 }, { QString(), 0 }, { u"O'*"_s, 0 }, { u"DL?ABC"_s, 1 }, { u"*"_s, 5 } };
    for (const auto& [antwort, anzahl] : suchen) {
        prompter.antworteEingabe(antwort);
        ci.cmdSuchen();
        ci.letzter();
        EXPECT_EQ(ci.anzahl(), anzahl) << antwort.value_or(u"(abgebrochen)"_s).toStdString();
        EXPECT_EQ(ci.Data1Caption(), QString::number(anzahl - 1));
    }
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

TEST_F(CallInfoModelTest, OwnEntryCannotBeEditedAndFieldsFollowTheEditingState)
{
    ci.aktivieren();
    ASSERT_EQ(ci.eintrag().rufzeichen, u"QQ9QQ"_s);
    ci.cmdEdit();
    EXPECT_FALSE(ci.bearbeitung());
    EXPECT_FALSE(ci.felderAktiv());
    ci.setTxtName(u"anders"_s);
    EXPECT_EQ(ci.eintrag().name, u"Tarvex"_s);

    ci.nächster();
    ci.cmdEdit();
    // Data1 is off while editing, so its moves cannot happen.
    EXPECT_EQ((QList<bool> { ci.bearbeitung(), ci.felderAktiv(), ci.speichernAktiv(), ci.bearbeitenAktiv(),
                  ci.Data1Aktiv() }),
        (QList<bool> { true, true, true, false, false }));

    ci.setTxtName(u"Hans-Jürgen"_s);
    ci.setTxtDOK(u"F11"_s);
    ci.setCheck2(true);
    ci.cmdSpeichern();
    EXPECT_FALSE(ci.bearbeitung());
    EXPECT_EQ(ci.Data1Caption(), u"1"_s);
    EXPECT_EQ(
        ci.eintrag(), (CallInfoEintrag { 2, u"DL1ABC"_s, u"Hans-Jürgen"_s, u"F11"_s, {}, {}, false, true }));
    EXPECT_EQ(callInfo.name(u"DL1ABC"_s), u"Hans-Jürgen"_s);
    EXPECT_EQ(calls().size(), 5);
}

TEST_F(CallInfoModelTest, NewEntryIsStoredInCapitalsCutToLengthWithoutValidation)
{
    ci.aktivieren();
    ci.cmdNeu();
    EXPECT_TRUE(ci.bearbeitung());
    EXPECT_EQ(ci.eintrag(), CallInfoEintrag {});
    ci.setTxtCall(u"oe5/dl1abc/p"_s);
    EXPECT_EQ(ci.eintrag().rufzeichen, u"OE5/DL1ABC"_s);
    ci.setTxtOrt(QString(40, u'x'));
    EXPECT_EQ(ci.eintrag().ort.size(), CallInfoModel::kOrtLänge);
    ci.setCheck1(true);
    ci.cmdSpeichern();
    EXPECT_EQ(calls().last(), u"OE5/DL1ABC"_s);
    EXPECT_EQ(ci.Data1Caption(), u"5"_s);
    EXPECT_TRUE(ci.eintrag().qslGesendet);
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
}

TEST_F(CallInfoModelTest, LeavingWithUnsavedChangesAsks)
{
    const struct {
        Meldung::Antwort antwort;
        bool verlassen, gespeichert;
    } fälle[] = {
        { Meldung::Antwort::Abbrechen, false, false },
        { Meldung::Antwort::Nein, true, false },
        { Meldung::Antwort::Ja, true, true },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(static_cast<int>(f.antwort));
        QFile::remove(u"CALLINFO.MDB"_s);
        test::schreibeCallInfo(
            u"CALLINFO.MDB"_s, { { u"QQ9QQ"_s, u"Tarvex"_s }, { u"DL1ABC"_s, u"Hans"_s } });
        ci.aktivieren();
        ci.nächster();
        ci.cmdEdit();
        ci.setTxtName(u"Neu"_s);
        verlassen = 0;
        prompter.vergiss();
        prompter.antworte(f.antwort);
        ci.cmdAbbrechen();
        const Meldung m = prompter.einzige();
        EXPECT_TRUE(m.text.startsWith(u"Der Eintrag DL1ABC wurde geändert."_s));
        EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::JaNeinAbbrechen);
        EXPECT_EQ(verlassen, f.verlassen ? 1 : 0);
        EXPECT_EQ(callInfo.name(u"DL1ABC"_s), f.gespeichert ? u"Neu"_s : u"Hans"_s);
        EXPECT_EQ(ci.bearbeitung(), !f.verlassen);
        if (ci.bearbeitung()) {
            prompter.antworte(Meldung::Antwort::Nein);
            ci.escape();
        }
    }
    // Nothing typed: no question.
    prompter.vergiss();
    ci.cmdNeu();
    ci.cmdAbbrechen();
    EXPECT_TRUE(prompter.gezeigt().isEmpty());
    EXPECT_FALSE(ci.bearbeitung());
}

TEST_F(CallInfoModelTest, MissingFileIsCreatedEmptyWithANote)
{
    QFile::remove(u"CALLINFO.MDB"_s);
    ci.aktivieren();
    EXPECT_TRUE(prompter.einzige().text.endsWith(u" gab es keine CALLINFO.MDB. Sie wurde leer angelegt."_s));
    EXPECT_EQ(ci.Data1Caption(), u"-1"_s);
    ci.aktivieren(); // once created, no second note
    EXPECT_EQ(prompter.gezeigt().size(), 1);
}

// A full disk or a read-only folder: the entries can still be browsed (the file of an
// earlier version lacks the QSL columns, which are added only when saving), and a
// failed save is one message and changes nothing.
TEST_F(CallInfoModelTest, FullDiskOrReadOnlyFolderStillBrowsesAndSaysOnceWhySavingFails)
{
    struct Fall {
        const char* name;
        bool schreibgeschützt;
    };
    for (const Fall& f : { Fall { "full disk", false }, Fall { "read-only folder", true } }) {
        SCOPED_TRACE(f.name);
        test::KleineDisk disk(u"ci-disk"_s, 256);
        if (!disk.ok())
            GTEST_SKIP() << "no tmpfs (needs root)";
        test::schreibeCallInfo(
            disk.pfad(u"CALLINFO.MDB"_s), { { u"QQ9QQ"_s, u"Tarvex"_s }, { u"DL1ABC"_s, u"Hans"_s } });
        const QByteArray vorher = test::dateiInhalt(disk.pfad(u"CALLINFO.MDB"_s));
        if (f.schreibgeschützt)
            ASSERT_TRUE(disk.schreibschützen());
        else
            disk.füllen();
        CallInfoDb voll(disk.pfad({}));
        CallInfoModel fenster(model, voll, prompter);
        prompter.vergiss();
        fenster.aktivieren();
        EXPECT_TRUE(prompter.gezeigt().isEmpty()) << prompter.gezeigt().value(0).text.toStdString();
        EXPECT_EQ(fenster.anzahl(), 2);
        fenster.nächster();
        EXPECT_EQ(fenster.eintrag().name, u"Hans"_s);
        EXPECT_FALSE(fenster.eintrag().qslGesendet);

        fenster.cmdEdit();
        fenster.setTxtName(u"Neu"_s);
        fenster.cmdSpeichern();
        const Meldung m = prompter.einzige();
        EXPECT_EQ(m.titel, u"Fehler"_s);
        EXPECT_TRUE(m.text.contains(u"CALLINFO.MDB"_s));
        EXPECT_TRUE(fenster.bearbeitung()); // the typed text stays for another try
        EXPECT_EQ(fenster.eintrag().name, u"Neu"_s);
        EXPECT_EQ(test::dateiInhalt(disk.pfad(u"CALLINFO.MDB"_s)), vorher);
        EXPECT_EQ(voll.name(u"DL1ABC"_s), u"Hans"_s);
    }
}

} // namespace
} // namespace tarvex
