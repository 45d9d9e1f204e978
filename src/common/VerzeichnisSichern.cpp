#include "VerzeichnisSichern.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace tarvex {

bool verzeichnisSichern(const QString& verzeichnis)
{
    const int fd = ::open(QFile::encodeName(verzeichnis).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace tarvex
