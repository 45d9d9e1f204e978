#include "SystemFehler.h"

#include <QFileDevice>
#include <cerrno>

namespace tarvex {

QString systemFehler(int errnum)
{
    switch (errnum) {
    case ENOSPC:
        return QStringLiteral("der Datenträger ist voll");
    case EDQUOT:
        return QStringLiteral("der zugeteilte Platz auf dem Datenträger ist erschöpft");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    case ENOENT:
        return QStringLiteral("die Datei oder ihr Verzeichnis fehlt");
    case EFBIG:
        return QStringLiteral("die Datei ist zu groß");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("die Datei wird gerade benutzt");
    default:
        return QStringLiteral("Systemfehler %1").arg(errnum);
    }
}

QString dateiFehler(const QFileDevice& datei, int errnum)
{
    if (errnum != 0)
        return systemFehler(errnum);
    switch (datei.error()) {
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler");
    case QFileDevice::WriteError:
        return QStringLiteral("Schreibfehler");
    case QFileDevice::OpenError:
        return QStringLiteral("die Datei lässt sich nicht öffnen");
    case QFileDevice::PermissionsError:
        return QStringLiteral("keine Berechtigung");
    case QFileDevice::ResourceError:
        return QStringLiteral("zu wenig Platz oder Speicher");
    case QFileDevice::RenameError:
        return QStringLiteral("die Datei lässt sich nicht umbenennen");
    case QFileDevice::CopyError:
        return QStringLiteral("die Datei lässt sich nicht kopieren");
    case QFileDevice::RemoveError:
        return QStringLiteral("die Datei lässt sich nicht löschen");
    default:
        return QStringLiteral("Dateifehler %1").arg(static_cast<int>(datei.error()));
    }
}

} // namespace tarvex
