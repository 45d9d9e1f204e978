#include "AtomicTextFile.h"

#include "common/Cp1252.h"
#include "common/SystemFehler.h"
#include "common/UserError.h"
#include "common/VerzeichnisSichern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

AtomicTextFile::Systemaufrufe& aufrufe()
{
    static AtomicTextFile::Systemaufrufe sys;
    return sys;
}

ssize_t schreiben(int fd, const void* daten, size_t n)
{
    return aufrufe().write ? aufrufe().write(fd, daten, n) : ::write(fd, daten, n);
}

int sync(int fd)
{
    return aufrufe().fsync ? aufrufe().fsync(fd) : ::fsync(fd);
}

int umbenennen(const QString& von, const QString& nach)
{
    const QByteArray a = QFile::encodeName(von);
    const QByteArray b = QFile::encodeName(nach);
    return aufrufe().rename ? aufrufe().rename(a.constData(), b.constData())
                            : std::rename(a.constData(), b.constData());
}

QString versteckt(const QFileInfo& ziel, qint64 pid, const char16_t* endung)
{
    return ziel.dir().filePath(
        u'.' + ziel.fileName() + u'.' + QString::number(pid) + u'.' + QString::fromUtf16(endung));
}

// A hidden file of a run that no longer runs (killed during an export) is
// removed; one of a running program stays.
void resteEntfernen(const QFileInfo& ziel)
{
    const QString endung = ziel.suffix();
    if (endung.isEmpty())
        return;
    static const QRegularExpression muster(u"^\\.(.+)\\.(\\d{1,9})\\.(tmp|alt)$"_s);
    const qint64 eigene = QCoreApplication::applicationPid();
    const QStringList namen = ziel.dir().entryList({ u".*"_s }, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : namen) {
        const QRegularExpressionMatch m = muster.match(name);
        if (!m.hasMatch() || !m.captured(1).endsWith(u'.' + endung, Qt::CaseInsensitive))
            continue;
        const qint64 pid = m.captured(2).toLongLong();
        if (pid == eigene || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        QFile::remove(ziel.dir().filePath(name));
    }
}

} // namespace

void AtomicTextFile::setSystemaufrufe(Systemaufrufe neu)
{
    aufrufe() = std::move(neu);
}

AtomicTextFile::AtomicTextFile(const QString& path)
    : path_(path)
{
    const QFileInfo info(path);
    resteEntfernen(info);
    temp_ = versteckt(info, QCoreApplication::applicationPid(), u"tmp");
    fd_ = ::open(QFile::encodeName(temp_).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0)
        fehler(errno);
}

AtomicTextFile::~AtomicTextFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!ersetzt_)
        QFile::remove(temp_);
}

void AtomicTextFile::fehler(int errnum) const
{
    throw UserError(u"Die Datei %1 kann nicht geschrieben werden: %2."_s.arg(
        QDir::toNativeSeparators(path_), systemFehler(errnum)));
}

void AtomicTextFile::writeLine(QStringView line)
{
    appendCp1252(puffer_, line);
    puffer_.append("\r\n", 2);
    if (puffer_.size() >= (1 << 20))
        schreibePuffer();
}

void AtomicTextFile::writeRaw(QByteArrayView bytes)
{
    puffer_.append(bytes);
    if (puffer_.size() >= (1 << 20))
        schreibePuffer();
}

void AtomicTextFile::schreibePuffer()
{
    for (qsizetype geschrieben = 0; geschrieben < puffer_.size();) {
        const ssize_t n = schreiben(
            fd_, puffer_.constData() + geschrieben, static_cast<size_t>(puffer_.size() - geschrieben));
        if (n > 0)
            geschrieben += n;
        else if (n == 0)
            fehler(EIO);
        else if (errno != EINTR)
            fehler(errno);
    }
    // The capacity stays: a long file fills the buffer again, without growing it afresh.
    puffer_.resize(0);
}

void AtomicTextFile::sichern()
{
    schreibePuffer();
    if (sync(fd_) != 0)
        fehler(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        fehler(errno);
}

void AtomicTextFile::commit()
{
    gemeinsamErsetzen({ this });
}

void AtomicTextFile::gemeinsamErsetzen(std::initializer_list<AtomicTextFile*> dateien)
{
    for (AtomicTextFile* d : dateien)
        d->sichern();

    // The old files stay reachable under a second name until every target is replaced.
    struct Alt {
        QString name; // empty: there was no old file
    };
    QList<Alt> alte;
    const auto aufräumen = [&] {
        for (const Alt& a : alte) {
            if (!a.name.isEmpty())
                QFile::remove(a.name);
        }
    };
    for (AtomicTextFile* d : dateien) {
        Alt a;
        if (QFileInfo(d->path_).isFile()) {
            a.name = versteckt(QFileInfo(d->path_), QCoreApplication::applicationPid(), u"alt");
            QFile::remove(a.name);
            if (::link(QFile::encodeName(d->path_).constData(), QFile::encodeName(a.name).constData()) != 0) {
                const int errnum = errno;
                aufräumen();
                d->fehler(errnum);
            }
        }
        alte.append(a);
    }
    qsizetype i = 0;
    for (AtomicTextFile* d : dateien) {
        if (umbenennen(d->temp_, d->path_) != 0) {
            const int errnum = errno;
            qsizetype j = 0;
            for (AtomicTextFile* frühere : dateien) {
                if (j == i)
                    break;
                if (alte[j].name.isEmpty())
                    QFile::remove(frühere->path_);
                else
                    umbenennen(alte[j].name, frühere->path_);
                ++j;
            }
            aufräumen();
            d->fehler(errnum);
        }
        d->ersetzt_ = true;
        ++i;
    }
    aufräumen();
    for (AtomicTextFile* d : dateien)
        verzeichnisSichern(QFileInfo(d->path_).absolutePath());
}

} // namespace tarvex
