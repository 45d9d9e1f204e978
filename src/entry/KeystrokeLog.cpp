#include "KeystrokeLog.h"

#include "common/TextFile.h"
#include "store/FilePaths.h"

#include <QFile>
#include <QFileInfo>

namespace tarvex {

KeystrokeLog::KeystrokeLog(QString pfad)
    : pfad_(std::move(pfad))
{
}

QString KeystrokeLog::standardPfad()
{
    return imArbeitsverzeichnis(QStringLiteral("LOG.TXT"));
}

void KeystrokeLog::anhängen(const QString& token)
{
    appendTextLine(pfad_, token);
}

void KeystrokeLog::löschen()
{
    QFile::remove(resolveCaseInsensitive(pfad_));
}

QStringList KeystrokeLog::zeilen() const
{
    return readTextLines(resolveCaseInsensitive(pfad_));
}

std::optional<QString> KeystrokeLog::letzteEingaben() const
{
    if (!QFileInfo::exists(resolveCaseInsensitive(pfad_)))
        return std::nullopt;
    return zeilen().join(u'\n');
}

} // namespace tarvex
