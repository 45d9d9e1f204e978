#include "SystemFehler.h"

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

} // namespace tarvex
