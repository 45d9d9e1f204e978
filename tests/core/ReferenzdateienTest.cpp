#include "store/Referenzdateien.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using test::dateiInhalt;

// Each file holds its directory's mark and its name, so a copy shows where it came from.
void anlegen(const QString& ordner, const QStringList& namen, const QByteArray& kennung)
{
    QDir().mkpath(ordner);
    for (const QString& n : namen)
        test::schreibeDatei(QDir(ordner).filePath(n), kennung + n.toUtf8());
}

TEST(Referenzdateien, CopiesWhatIsMissingFromTheFirstSourceThatHasIt)
{
    const struct {
        const char* fall;
        QStringList imArbeitsverzeichnis; // present before the start
        QStringList inQuelle1, inQuelle2;
        QStringList kopiert, fehlend;
    } fälle[] = {
        { "fresh directory", {}, { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s }, {},
            { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s }, {} },
        { "names match without regard to case", { u"contest.dat"_s }, { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s },
            {}, { u"CALLINFO.MDB"_s }, {} },
        { "second source", { u"CALLINFO.MDB"_s }, {}, { u"CONTEST.DAT"_s }, { u"CONTEST.DAT"_s }, {} },
        { "first source wins", {}, { u"CONTEST.DAT"_s }, { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s },
            { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s }, {} },
        { "nothing shipped", {}, {}, {}, {}, { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s } },
        { "nothing to do", { u"CONTEST.DAT"_s, u"Callinfo.mdb"_s }, { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s },
            {}, {}, {} },
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fall);
        QTemporaryDir tmp;
        const QString arbeit = tmp.filePath(u"arbeit"_s);
        const QString quelle1 = tmp.filePath(u"q1"_s);
        const QString quelle2 = tmp.filePath(u"q2"_s);
        anlegen(arbeit, f.imArbeitsverzeichnis, "eigene ");
        anlegen(quelle1, f.inQuelle1, "q1 ");
        anlegen(quelle2, f.inQuelle2, "q2 ");

        const Referenzdateien::Ergebnis e = Referenzdateien({ quelle1, quelle2 }).bereitstellen(arbeit);
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
        EXPECT_EQ(
            QDir(arbeit).entryList(QDir::Files).size(), f.imArbeitsverzeichnis.size() + f.kopiert.size());

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
    anlegen(quelle, Referenzdateien::dateinamen(), "daten");
    for (const QString& n : Referenzdateien::dateinamen())
        QFile::setPermissions(QDir(quelle).filePath(n), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const Referenzdateien::Ergebnis e = Referenzdateien({ quelle }).bereitstellen(arbeit);
    ASSERT_EQ(e.kopiert.size(), 2);
    for (const QString& n : Referenzdateien::dateinamen())
        EXPECT_TRUE(QFile::permissions(QDir(arbeit).filePath(n)) & QFileDevice::WriteOwner)
            << n.toStdString();
}

TEST(Referenzdateien, ShippedFilesAreLookedForBesideTheProgramFirst)
{
    qunsetenv("TARVEX_DATADIR");
    EXPECT_EQ(Referenzdateien::standardQuellen(u"/opt/tarvex/bin"_s),
        QStringList { u"/opt/tarvex/share/tarvex"_s });
    qputenv("TARVEX_DATADIR", "/srv/daten");
    EXPECT_EQ(Referenzdateien::standardQuellen(u"/opt/tarvex/bin"_s),
        (QStringList { u"/srv/daten"_s, u"/opt/tarvex/share/tarvex"_s }));
    qunsetenv("TARVEX_DATADIR");
}

} // namespace
} // namespace tarvex
