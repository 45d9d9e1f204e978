#include "FilePaths.h"

#include <QDir>
#include <QFileInfo>

namespace tarvex {

QString resolveCaseInsensitive(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.dir();
    if (!dir.exists())
        return path;
    const QString wanted = info.fileName();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            // Keep the directory part exactly as given, so relative paths stay relative.
            const qsizetype slash = path.lastIndexOf(u'/');
            return slash < 0 ? entry : path.left(slash + 1) + entry;
        }
    }
    return path;
}

bool existsCaseInsensitive(const QString& path)
{
    return QFileInfo::exists(resolveCaseInsensitive(path));
}

QString journalPfad(const QString& datenbank)
{
    const QString typed = datenbank.left(std::max<qsizetype>(0, datenbank.size() - 3)) + u"txt";
    return resolveCaseInsensitive(typed);
}

QString imArbeitsverzeichnis(const QString& dateiname)
{
    return resolveCaseInsensitive(QDir::current().filePath(dateiname));
}

} // namespace tarvex
