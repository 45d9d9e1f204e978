#include "GanzeDatei.h"

#include "SystemFehler.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>

namespace tarvex {

using namespace Qt::StringLiterals;

std::optional<QString> ganzSpeichern(const QString& pfad, const QByteArray& inhalt, const QString& was)
{
    QSaveFile datei(pfad);
    errno = 0;
    if (!inhalt.isEmpty() && datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size()
        && datei.commit())
        return std::nullopt;
    // Read before cancelWriting, whose own calls may change it.
    const int errnum = errno;
    const QString grund
        = inhalt.isEmpty() ? u"das Bild ließ sich nicht erzeugen"_s : dateiFehler(datei, errnum);
    datei.cancelWriting();
    return u"%1 konnte nicht in %2 gespeichert werden: %3."_s.arg(was, QDir::toNativeSeparators(pfad), grund);
}

} // namespace tarvex
