// A contact acknowledged to the operator survives a crash: a child process
// saves in a loop and is killed with SIGKILL at a random moment.
#include "common/TextFile.h"
#include "store/ContestDatabase.h"
#include "support/TestFiles.h"
#include "support/Zufall.h"

#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <random>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(Durability, AcknowledgedContactsSurviveSigkill)
{
    const unsigned seed = test::zufallsSeed("Durability");
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> wartezeit(20, 250);
    SCOPED_TRACE(testing::Message() << "seed " << seed);

    for (int lauf = 0; lauf < 12; ++lauf) {
        test::WorkDir dir;
        test::ContestDatInhalt inhalt;
        inhalt.präfixe = { { u"DL"_s, u"Deutschland"_s } };
        inhalt.squares = { { u"JO62"_s, u"Deutschland"_s } };
        test::schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
        writeTextFile(u"TEST.txt"_s, {});

        QProcess child;
        child.start(QStringLiteral(TARVEX_SAVING_CHILD), { dir.root() });
        ASSERT_TRUE(child.waitForStarted());
        // Wait for the first acknowledgement, then a random time more.
        ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().toStdString();
        QThread::msleep(static_cast<unsigned long>(wartezeit(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(5000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();

        int bestätigt = 0;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("ack "))
                bestätigt = line.mid(4).toInt();
        }
        ASSERT_GT(bestätigt, 0);

        EXPECT_EQ(Connection(u"TEST.mdb"_s, Connection::Zugriff::NurLesen)
                      .scalar(u"PRAGMA integrity_check"_s)
                      .toString(),
            u"ok"_s);
        auto db = ContestDatabase::öffnen(u"TEST.MDB"_s);
        db.journalAbgleichen();
        const QList<QsoRecord> qsos = db.qsos(u"144MHz"_s);
        ASSERT_GE(qsos.size(), bestätigt) << "run " << lauf;
        for (int i = 0; i < bestätigt; ++i)
            EXPECT_EQ(qsos[i].nummer, i + 1);
        // Once opened, the journal holds exactly the stored contacts, whatever was in flight.
        EXPECT_EQ(readTextLines(u"TEST.txt"_s).size(), qsos.size()) << "run " << lauf;
    }
}

} // namespace
} // namespace tarvex
