#include "CupsServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <cups/cups.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace tarvex::test {

using namespace Qt::StringLiterals;

namespace {

constexpr auto ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr auto backend = "/usr/lib/cups/backend/cups-pdf";
// cups-pdf reads the settings of an instance "cups-pdf:/NAME" from this folder
// only; the file names carry the test's process id and are removed at the end.
constexpr auto cupsPdfKonfiguration = "/etc/cups";

bool schreiben(const QString& pfad, const QString& text)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && f.write(text.toUtf8()) == text.toUtf8().size();
}

int auftragsnummer(const QString& datei)
{
    static const QRegularExpression nummer(u"job_(\\d+)"_s);
    return nummer.match(datei).captured(1).toInt();
}

} // namespace

CupsServer::CupsServer()
    : dir_(QDir::tempPath() + u"/tarvex-cups-XXXXXX"_s)
{
    const QString cupsd = QStringLiteral(TARVEX_CUPSD);
    if (cupsd.isEmpty() || !QFile::exists(cupsd) || !QFile::exists(QString::fromLatin1(backend))
        || !QFile::exists(QString::fromLatin1(ppd))) {
        fehler_ = u"cupsd oder cups-pdf fehlt (Pakete cups-daemon, cups-client, printer-driver-cups-pdf)"_s;
        return;
    }
    // cups-pdf can be run only by a scheduler running as root (the backend is
    // root's alone), and only root may write its instance settings.
    if (geteuid() != 0) {
        fehler_ = u"der PDF-Drucker cups-pdf läuft nur unter einem cupsd mit Root-Rechten"_s;
        return;
    }
    if (!dir_.isValid()) {
        fehler_ = u"kein temporäres Verzeichnis"_s;
        return;
    }
    // The scheduler's filters run as lp and must reach the spool below.
    QFile::setPermissions(dir_.path(),
        QFile::permissions(dir_.path()) | QFile::ExeOther | QFile::ReadOther | QFile::ExeGroup
            | QFile::ReadGroup);
    for (const char* d : { "etc/ppd", "spool/tmp", "cache", "state", "log", "out", "home" })
        QDir().mkpath(pfad(QString::fromLatin1(d)));
    const QString wurzel = dir_.path();
    schreiben(pfad(u"etc/cups-files.conf"_s),
        u"ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
        "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
        "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
        "User lp\nGroup lp\nSystemGroup root\nFileDevice No\n"_s.arg(wurzel));
    schreiben(pfad(u"etc/cupsd.conf"_s),
        u"Listen %1/cups.sock\nLogLevel info\nBrowsing No\nWebInterface No\n"
        "DefaultAuthType None\nJobKillDelay 5\nPreserveJobHistory Yes\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
        "</Policy>\n"_s.arg(wurzel));
    schreiben(pfad(u"etc/client.conf"_s), u"ServerName %1/cups.sock\n"_s.arg(wurzel));

    cupsd_.setProgram(cupsd);
    cupsd_.setArguments(
        { u"-f"_s, u"-c"_s, pfad(u"etc/cupsd.conf"_s), u"-s"_s, pfad(u"etc/cups-files.conf"_s) });
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test that crashes takes its scheduler with it.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.start();
    if (!cupsd_.waitForStarted(10000)) {
        fehler_ = u"cupsd startet nicht: "_s + cupsd_.errorString();
        return;
    }
    // Every CUPS client of this process, Qt's included, asks this scheduler
    // and reads no lpoptions of the user or the system.
    qputenv("CUPS_SERVER", pfad(u"cups.sock"_s).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", pfad(u"etc"_s).toLocal8Bit());
    qputenv("HOME", pfad(u"home"_s).toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

    const QDeadlineTimer frist(15000);
    while (!frist.hasExpired()) {
        if (cupsd_.state() != QProcess::Running) {
            fehler_ = u"cupsd hat sich beendet, siehe "_s + pfad(u"log/error_log"_s);
            return;
        }
        if (QFile::exists(pfad(u"cups.sock"_s)) && befehl(u"lpstat"_s, { u"-r"_s }))
            return;
        QThread::msleep(50);
    }
    fehler_ = u"cupsd antwortet nicht auf "_s + pfad(u"cups.sock"_s);
}

CupsServer::~CupsServer()
{
    if (cupsd_.state() == QProcess::Running) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000))
            cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }
    for (const QString& datei : std::as_const(instanzen_))
        QFile::remove(datei);
}

QString CupsServer::instanzDatei(const QString& drucker) const
{
    return u"%1/cups-pdf-tarvextest%2%3.conf"_s.arg(QString::fromLatin1(cupsPdfKonfiguration))
        .arg(QCoreApplication::applicationPid())
        .arg(drucker);
}

bool CupsServer::druckerAnlegen(const QString& name, bool standard)
{
    const QString aus = pfad(u"out/"_s + name);
    QDir().mkpath(aus);
    const QString instanz = instanzDatei(name);
    // Label 2: every file name carries its job number.
    if (!schreiben(instanz,
            u"Out %1\nAnonDirName %1\nSpool %2\nLog %3\nLabel 2\nGrp root\n"_s.arg(
                aus, pfad(u"spool/cups-pdf"_s), pfad(u"log"_s))))
        return false;
    instanzen_.append(instanz);
    const QString uri
        = u"cups-pdf:/"_s + QFileInfo(instanz).completeBaseName().mid(QStringLiteral("cups-pdf-").size());
    if (!befehl(u"lpadmin"_s, { u"-p"_s, name, u"-v"_s, uri, u"-P"_s, QString::fromLatin1(ppd), u"-E"_s }))
        return false;
    return !standard || befehl(u"lpadmin"_s, { u"-d"_s, name });
}

bool CupsServer::befehl(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    if (!p.waitForFinished(20000))
        return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QStringList CupsServer::ausgaben(const QString& drucker) const
{
    QStringList dateien = QDir(pfad(u"out/"_s + drucker)).entryList({ u"*.pdf"_s }, QDir::Files);
    std::sort(dateien.begin(), dateien.end(),
        [](const QString& a, const QString& b) { return auftragsnummer(a) < auftragsnummer(b); });
    for (QString& d : dateien)
        d = pfad(u"out/"_s + drucker + u'/' + d);
    return dateien;
}

int CupsServer::offeneAufträge() const
{
    cups_job_t* aufträge = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &aufträge, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(n, aufträge);
    return n;
}

bool CupsServer::warten(const QString& drucker, int dateien)
{
    const QDeadlineTimer frist(60000);
    while (!frist.hasExpired()) {
        if (offeneAufträge() == 0 && ausgaben(drucker).size() >= dateien)
            return true;
        QThread::msleep(100);
    }
    return false;
}

void CupsServer::ausgabenLöschen()
{
    for (const QString& d : QDir(pfad(u"out"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& f : QDir(pfad(u"out/"_s + d)).entryList(QDir::Files))
            QFile::remove(pfad(u"out/"_s + d + u'/' + f));
}

} // namespace tarvex::test
