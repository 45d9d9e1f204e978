#include "SystemFehler.h"

#include <QFileDevice>
#include <cerrno>
#include <utility>

namespace tarvex {

namespace {

template <class Code, std::size_t N>
const char16_t* nachschlagen(const std::pair<Code, const char16_t*> (&tabelle)[N], Code code)
{
    for (const auto& [c, text] : tabelle)
        if (c == code)
            return text;
    return nullptr;
}

constexpr std::pair<int, const char16_t*> kErrno[] = {
    { ENOSPC, u"der Datenträger ist voll" },
    { EDQUOT, u"der zugeteilte Platz auf dem Datenträger ist erschöpft" },
    { EACCES, u"keine Berechtigung" },
    { EPERM, u"keine Berechtigung" },
    { EROFS, u"der Datenträger ist schreibgeschützt" },
    { EIO, u"Ein-/Ausgabefehler des Datenträgers" },
    { ENOENT, u"die Datei oder ihr Verzeichnis fehlt" },
    { EFBIG, u"die Datei ist zu groß" },
    { EBUSY, u"die Datei wird gerade benutzt" },
    { ETXTBSY, u"die Datei wird gerade benutzt" },
};

constexpr std::pair<QFileDevice::FileError, const char16_t*> kDateiFehler[] = {
    { QFileDevice::ReadError, u"Lesefehler" },
    { QFileDevice::WriteError, u"Schreibfehler" },
    { QFileDevice::OpenError, u"die Datei lässt sich nicht öffnen" },
    { QFileDevice::PermissionsError, u"keine Berechtigung" },
    { QFileDevice::ResourceError, u"zu wenig Platz oder Speicher" },
    { QFileDevice::RenameError, u"die Datei lässt sich nicht umbenennen" },
    { QFileDevice::CopyError, u"die Datei lässt sich nicht kopieren" },
    { QFileDevice::RemoveError, u"die Datei lässt sich nicht löschen" },
};

} // namespace

QString systemFehler(int errnum)
{
    if (const char16_t* text = nachschlagen(kErrno, errnum))
        return QString::fromUtf16(text);
    return QStringLiteral("Systemfehler %1").arg(errnum);
}

QString dateiFehler(const QFileDevice& datei, int errnum)
{
    if (errnum != 0)
        return systemFehler(errnum);
    if (const char16_t* text = nachschlagen(kDateiFehler, datei.error()))
        return QString::fromUtf16(text);
    return QStringLiteral("Dateifehler %1").arg(static_cast<int>(datei.error()));
}

} // namespace tarvex
