#include "LetzteEingaben.h"

#include "common/TextFile.h"
#include "entry/KeystrokeLog.h"
#include "store/FilePaths.h"

#include <QFileInfo>

namespace tarvex {

std::optional<QString> letzteEingaben(const KeystrokeLog& log)
{
    if (!QFileInfo::exists(resolveCaseInsensitive(log.pfad())))
        return std::nullopt;
    return log.zeilen().join(u'\n');
}

} // namespace tarvex
