#include "contest/ContestLoeschen.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

class ContestLöschenTest : public ::testing::Test {
protected:
    ContestLöschenTest()
    {
        for (const QString& name :
            { u"TEST.mdb"_s, u"TEST.txt"_s, u"EST.mdb"_s, u"TEST2.mdb"_s, u"TEST2.txt"_s, u"test2.BAK"_s,
                u"TEST22.mdb"_s, u"TEST22.txt"_s, u"alt.MDB"_s, u"notiz.txt"_s, u"LOGS/TEST2.mdb"_s })
            test::schreibeDatei(name, {});
    }

    QStringList übrig() const { return QDir().entryList(QDir::Files, QDir::Name | QDir::IgnoreCase); }

    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    // The open contest lies elsewhere: a full path ending in /LOGS/TEST.MDB.
    ContestLöschen löschen { dir.pfad(u"LOGS/TEST.MDB"_s), prompter };
};

TEST_F(ContestLöschenTest, ListsTheContestFilesInAnyLetterCase)
{
    EXPECT_EQ(löschen.dateien(),
        (QStringList { u"alt.MDB"_s, u"EST.mdb"_s, u"TEST.mdb"_s, u"TEST2.mdb"_s, u"TEST22.mdb"_s }));
}

TEST_F(ContestLöschenTest, RefusesTheOpenContestAsksAndDeletesOnlyThatName)
{
    const QString refusal = u"Die aktuelle Datenbank kann nicht gelöscht werden!"_s;
    const QString alle = übrig().join(u',');
    const struct {
        const char16_t* auswahl;
        Meldung::Antwort antwort;
        const char16_t* meldung;
        QStringList gelöscht;
    } cases[] = {
        { u"TEST.mdb", Meldung::Antwort::Ok, nullptr, {} },
        // "EST.MDB" occurs within ".../LOGS/TEST.MDB" as well.
        { u"EST.mdb", Meldung::Antwort::Ok, nullptr, {} },
        { u"TEST2.mdb", Meldung::Antwort::Nein, u"Soll die Datenbank TEST2.MDB wirklich gelöscht werden?",
            {} },
        { u"TEST2.mdb", Meldung::Antwort::Ja, u"Soll die Datenbank TEST2.MDB wirklich gelöscht werden?",
            { u"test2.BAK"_s, u"TEST2.mdb"_s, u"TEST2.txt"_s } },
    };
    for (const auto& c : cases) {
        prompter.vergiss();
        const QString auswahl = QString::fromUtf16(c.auswahl);
        SCOPED_TRACE(auswahl.toStdString());
        prompter.antworte(c.antwort);
        QStringList gelöscht = löschen.löschen(auswahl);
        gelöscht.sort(Qt::CaseInsensitive);
        EXPECT_EQ(gelöscht, c.gelöscht);

        const Meldung m = prompter.einzige();
        if (c.meldung == nullptr) {
            EXPECT_EQ(m.text, refusal);
            EXPECT_EQ(m.titel, u"Fehler"_s);
            EXPECT_EQ(m.symbol, Meldung::Symbol::Kritisch);
            EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::Ok);
            EXPECT_EQ(übrig().join(u','), alle);
        } else {
            EXPECT_EQ(m.text, QString::fromUtf16(c.meldung));
            EXPECT_EQ(m.titel, u"Frage"_s);
            EXPECT_EQ(m.symbol, Meldung::Symbol::Frage);
            EXPECT_EQ(m.knöpfe, Meldung::Knöpfe::JaNein);
            EXPECT_EQ(m.standard, Meldung::Antwort::Nein);
        }
    }
    EXPECT_EQ(übrig(),
        (QStringList { u"alt.MDB"_s, u"EST.mdb"_s, u"notiz.txt"_s, u"TEST.mdb"_s, u"TEST.txt"_s,
            u"TEST22.mdb"_s, u"TEST22.txt"_s }));
    EXPECT_TRUE(QFile::exists(u"LOGS/TEST2.mdb"_s)) << "only the working directory is touched";
}

TEST_F(ContestLöschenTest, WithoutAnOpenContestEveryFileMayGo)
{
    ContestLöschen ohneContest(QString(), prompter);
    prompter.antworte(Meldung::Antwort::Ja);
    EXPECT_EQ(ohneContest.löschen(u"TEST.mdb"_s), (QStringList { u"TEST.mdb"_s, u"TEST.txt"_s }));
    EXPECT_EQ(prompter.texte(), QStringList { u"Soll die Datenbank TEST.MDB wirklich gelöscht werden?"_s });
}

} // namespace
} // namespace tarvex
