#include "store/Referenzdateien.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::dateiInhalt;

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

TEST(Referenzdateien, CopiesWhatIsMissingFromTheFirstSourceThatHasIt)
{
    const struct {
        const char* fall;
        QStringList imArbeitsverzeichnis;       // present before the start
        QStringList inQuelle1, inQuelle2;
        QStringList kopiert, fehlend;
    } fälle[] = {
        {"fresh directory", {}, {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}, {},
         {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}, {}},
        {"names match without regard to case", {u"contest.dat"_s}, {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}, {},
         {u"CALLINFO.MDB"_s}, {}},
        {"second source", {u"CALLINFO.MDB"_s}, {}, {u"CONTEST.DAT"_s}, {u"CONTEST.DAT"_s}, {}},
        {"first source wins", {}, {u"CONTEST.DAT"_s}, {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s},
         {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}, {}},
        {"nothing shipped", {}, {}, {}, {}, {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}},
        {"nothing to do", {u"CONTEST.DAT"_s, u"Callinfo.mdb"_s}, {u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s}, {}, {}, {}},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        QTemporaryDir tmp;
        const QString arbeit = tmp.filePath(u"arbeit"_s);
        const QString quelle1 = tmp.filePath(u"q1"_s);
        const QString quelle2 = tmp.filePath(u"q2"_s);
        QDir().mkpath(arbeit);
        for (const QString& n : f.imArbeitsverzeichnis)
            schreibe(QDir(arbeit).filePath(n), "eigene " + n.toUtf8());
        for (const QString& n : f.inQuelle1)
            schreibe(QDir(quelle1).filePath(n), "q1 " + n.toUtf8());
        for (const QString& n : f.inQuelle2)
            schreibe(QDir(quelle2).filePath(n), "q2 " + n.toUtf8());

        const Referenzdateien::Ergebnis e = Referenzdateien({quelle1, quelle2}).bereitstellen(arbeit);
        EXPECT_EQ(e.kopiert, f.kopiert);
        EXPECT_EQ(e.fehlend, f.fehlend);
        EXPECT_TRUE(e.fehlgeschlagen.isEmpty());
        for (const QString& n : f.kopiert) {
            const QByteArray erwartet = (f.inQuelle1.contains(n) ? "q1 " : "q2 ") + n.toUtf8();
            EXPECT_EQ(dateiInhalt(QDir(arbeit).filePath(n)), erwartet);
        }
        for (const QString& n : f.imArbeitsverzeichnis)
            EXPECT_EQ(dateiInhalt(QDir(arbeit).filePath(n)), "eigene " + n.toUtf8());
        // Nothing else appears in the working directory.
        EXPECT_EQ(QDir(arbeit).entryList(QDir::Files).size(), f.imArbeitsverzeichnis.size() + f.kopiert.size());

        const QString meldung = Referenzdateien::meldung(e, arbeit);
        EXPECT_EQ(meldung.isEmpty(), f.kopiert.isEmpty() && f.fehlend.isEmpty());
        for (const QString& n : f.kopiert + f.fehlend)
            EXPECT_TRUE(meldung.contains(n)) << meldung.toStdString();
    }
}

TEST(Referenzdateien, CopyOfAReadOnlyInstallationIsWritable)
{
    QTemporaryDir tmp;
    const QString quelle = tmp.filePath(u"share"_s);
    const QString arbeit = tmp.filePath(u"arbeit"_s);
    QDir().mkpath(arbeit);
    for (const QString& n : Referenzdateien::dateinamen()) {
        schreibe(QDir(quelle).filePath(n), "daten");
        QFile::setPermissions(QDir(quelle).filePath(n), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                            | QFileDevice::ReadOther);
    }
    const Referenzdateien::Ergebnis e = Referenzdateien({quelle}).bereitstellen(arbeit);
    ASSERT_EQ(e.kopiert.size(), 2);
    for (const QString& n : Referenzdateien::dateinamen())
        EXPECT_TRUE(QFile::permissions(QDir(arbeit).filePath(n)) & QFileDevice::WriteOwner) << n.toStdString();
}

TEST(Referenzdateien, ShippedFilesAreLookedForBesideTheProgramFirst)
{
    qunsetenv("TARVEX_DATADIR");
    EXPECT_EQ(Referenzdateien::standardQuellen(u"/opt/tarvex/bin"_s), QStringList{u"/opt/tarvex/share/tarvex"_s});
    qputenv("TARVEX_DATADIR", "/srv/daten");
    EXPECT_EQ(Referenzdateien::standardQuellen(u"/opt/tarvex/bin"_s),
              (QStringList{u"/srv/daten"_s, u"/opt/tarvex/share/tarvex"_s}));
    qunsetenv("TARVEX_DATADIR");
}

} // namespace
} // namespace tarvex
