#include "Journal.h"

#include "common/Cp1252.h"
#include "common/SystemFehler.h"
#include "common/UserError.h"
#include "common/VerzeichnisSichern.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvex {

namespace {

QByteArray lokal(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

} // namespace

Journal::Systemaufrufe Journal::echteSystemaufrufe()
{
    return { [](int fd, const void* daten, size_t n) { return ::write(fd, daten, n); },
        [](int fd) { return ::fsync(fd); } };
}

Journal::Journal(QString pfad, Systemaufrufe aufrufe)
    : pfad_(std::move(pfad))
    , sys_(std::move(aufrufe))
{
}

qint64 Journal::größe() const
{
    struct stat st { };
    return ::stat(lokal(pfad_).constData(), &st) == 0 ? static_cast<qint64>(st.st_size) : 0;
}

void Journal::fehler(const QString& was, int errnum) const
{
    throw UserError(was.arg(QDir::toNativeSeparators(pfad_), systemFehler(errnum)));
}

qint64 Journal::länge(QStringView zeile)
{
    return toCp1252(zeile).size() + 2;
}

qint64 Journal::anhängen(QStringView zeile, bool sichern)
{
    QByteArray bytes = toCp1252(zeile);
    bytes.append("\r\n", 2);

    const bool neu = !QFileInfo::exists(pfad_);
    const int fd = ::open(lokal(pfad_).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fehler(QStringLiteral("Das Journal %1 kann nicht geöffnet werden: %2."), errno);
    struct stat st { };
    ::fstat(fd, &st);
    const qint64 vorher = st.st_size;

    int errnum = 0;
    for (qsizetype geschrieben = 0; geschrieben < bytes.size() && errnum == 0;) {
        const ssize_t n = sys_.write(
            fd, bytes.constData() + geschrieben, static_cast<size_t>(bytes.size() - geschrieben));
        if (n > 0)
            geschrieben += n;
        else if (n < 0 && errno != EINTR)
            errnum = errno;
        else if (n == 0)
            errnum = EIO;
    }
    if (errnum == 0 && sichern && sys_.fsync(fd) != 0)
        errnum = errno;
    if (errnum == 0 && neu && !verzeichnisSichern(QFileInfo(pfad_).absolutePath()))
        errnum = errno;
    if (errnum != 0) {
        // Never leave a fragment: the next line would be glued to it.
        if (::ftruncate(fd, vorher) == 0)
            ::fsync(fd);
        ::close(fd);
        fehler(QStringLiteral("Die Zeile für das Journal %1 kann nicht geschrieben werden: %2."), errnum);
    }
    if (::close(fd) != 0)
        fehler(QStringLiteral("Die Zeile für das Journal %1 kann nicht geschrieben werden: %2."), errno);
    return vorher;
}

void Journal::sichern()
{
    const int fd = ::open(lokal(pfad_).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        fehler(QStringLiteral("Das Journal %1 kann nicht geöffnet werden: %2."), errno);
    const bool ok = sys_.fsync(fd) == 0;
    const int errnum = errno;
    ::close(fd);
    if (!ok)
        fehler(QStringLiteral("Das Journal %1 kann nicht gesichert werden: %2."), errnum);
}

void Journal::kürzen(qint64 größe)
{
    if (größe == 0 && !QFileInfo::exists(pfad_))
        return;
    const int fd = ::open(lokal(pfad_).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        fehler(QStringLiteral("Das Journal %1 kann nicht geöffnet werden: %2."), errno);
    const bool ok = ::ftruncate(fd, größe) == 0 && ::fsync(fd) == 0;
    const int errnum = errno;
    ::close(fd);
    if (!ok)
        fehler(QStringLiteral("Das Journal %1 kann nicht gekürzt werden: %2."), errnum);
}

QByteArray Journal::endeAb(qint64 offset) const
{
    QFile datei(pfad_);
    if (!datei.open(QIODevice::ReadOnly) || !datei.seek(offset))
        return {};
    return datei.readAll();
}

} // namespace tarvex
