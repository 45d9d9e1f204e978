#include "TestFiles.h"

#include "store/Connection.h"
#include "store/QsoRecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvex::test {

using namespace Qt::StringLiterals;

WorkDir::WorkDir()
    : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

WorkDir::~WorkDir()
{
    QDir::setCurrent(previous_);
}

namespace {
void fill(Connection& c, const QString& table, const QString& a, const QString& b, const Rows2& rows)
{
    c.exec(u"CREATE TABLE "_s + table + u'(' + a + u" TEXT," + b + u" TEXT)");
    for (const auto& [x, y] : rows)
        c.execute(u"INSERT INTO "_s + table + u" VALUES(?,?)", { x, y });
}
} // namespace

void schreibeContestDat(const QString& pfad, const ContestDatInhalt& inhalt)
{
    Connection c(pfad, Connection::Zugriff::Anlegen);
    fill(c, u"PREFIXE"_s, u"PREFIX"_s, u"LAND"_s, inhalt.präfixe);
    fill(c, u"SQUARES"_s, u"SQUARE"_s, u"LAND"_s, inhalt.squares);
    fill(c, u"STATIONS"_s, u"CALL"_s, u"LOCATORS"_s, inhalt.stationen);
    c.exec(u"CREATE TABLE COUNTRY(LAND TEXT)"_s);
    for (const QString& land : inhalt.länder)
        c.execute(u"INSERT INTO COUNTRY VALUES(?)"_s, { land });
}

void schreibeCallInfo(const QString& pfad, const Rows2& namen)
{
    Connection c(pfad, Connection::Zugriff::Anlegen);
    c.exec(u"CREATE TABLE CALLINFO(Rufzeichen TEXT, Name TEXT, DOK TEXT, Ort TEXT, Notiz TEXT)"_s);
    for (const auto& [call, name] : namen)
        c.execute(u"INSERT INTO CALLINFO(Rufzeichen,Name) VALUES(?,?)"_s, { call, name });
}

void schreibeAltenContest(const QString& pfad, const std::vector<std::pair<QString, int>>& bandFelder)
{
    Connection c(pfad, Connection::Zugriff::Anlegen);
    for (const auto& [band, felder] : bandFelder) {
        QStringList spalten;
        for (int i = 0; i < felder; ++i)
            spalten.append(quoteIdentifier(QString::fromUtf16(kBandFelder[i].name)) + u' '
                + QLatin1StringView(kBandFelder[i].typ));
        c.exec(u"CREATE TABLE "_s + quoteIdentifier(band) + u'(' + spalten.join(u',') + u')');
    }
}

QByteArray dateiInhalt(const QString& pfad)
{
    QFile file(pfad);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void schreibeDatei(const QString& pfad, const QByteArray& inhalt, bool anhängen)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile file(pfad);
    ASSERT_TRUE(file.open(anhängen ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(inhalt);
}

QByteArray golden(const QString& name)
{
    return dateiInhalt(QStringLiteral(TARVEX_TEST_DATA "/") + name);
}

bool warteBis(const std::function<bool()>& bedingung, int millisekunden)
{
    const QDeadlineTimer frist(millisekunden);
    while (!bedingung()) {
        if (frist.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

quint16 freierPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

void sicherstellenApp()
{
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = { name, nullptr };
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv);
}

QString alsGewöhnlicherBenutzer(const std::function<QString()>& schritte)
{
    if (::geteuid() != 0)
        return schritte();
    QFile::setPermissions(QDir::currentPath(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::WriteOther | QFileDevice::ExeOther);
    int rohr[2];
    if (::pipe(rohr) != 0)
        return u"pipe"_s;
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(rohr[0]);
        QString fehler;
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            fehler = u"setuid"_s;
        } else {
            try {
                fehler = schritte();
            } catch (const std::exception& e) {
                fehler = QString::fromUtf8(e.what());
            }
        }
        const QByteArray text = fehler.toUtf8();
        [[maybe_unused]] const ssize_t n
            = ::write(rohr[1], text.constData(), static_cast<size_t>(text.size()));
        ::_exit(0);
    }
    ::close(rohr[1]);
    QByteArray text;
    char puffer[512];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        text.append(puffer, n);
    ::close(rohr[0]);
    int status = 0;
    ::waitpid(kind, &status, 0);
    if (!WIFEXITED(status))
        return u"the child process crashed"_s;
    return QString::fromUtf8(text);
}

KleineDisk::KleineDisk(const QString& ordner, int kilobyte)
    : ordner_(QDir::current().absoluteFilePath(ordner))
{
    QDir().mkpath(ordner_);
    const QByteArray optionen = "size=" + QByteArray::number(kilobyte) + "k";
    ok_ = ::geteuid() == 0
        && ::mount("tarvex-test", QFile::encodeName(ordner_).constData(), "tmpfs", 0, optionen.constData())
            == 0;
}

KleineDisk::~KleineDisk()
{
    if (ok_)
        ::umount2(QFile::encodeName(ordner_).constData(), MNT_DETACH);
}

void KleineDisk::füllen()
{
    QFile füller(pfad(u".füller"_s));
    if (!füller.open(QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (füller.write(block) == block.size()) { }
    // The last partial block too: not one byte more may fit.
    const QByteArray byte(1, 'x');
    while (füller.write(byte) == 1) { }
}

void KleineDisk::leeren()
{
    QFile::remove(pfad(u".füller"_s));
}

bool KleineDisk::schreibschützen()
{
    return ok_
        && ::mount(nullptr, QFile::encodeName(ordner_).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr)
        == 0;
}

} // namespace tarvex::test

namespace tarvex {

void PrintTo(const QsoRecord& q, std::ostream* os)
{
    *os << q.nummer << '|'
        << QStringList { q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh, q.locator, q.punkte, q.winkel,
               q.kernCall, q.square, q.land, q.kommentar }
               .join(u'|')
               .toStdString()
        << '|' << q.qsl;
}

} // namespace tarvex
