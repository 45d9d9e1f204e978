#include "KartenAbfrage.h"

namespace tarvex {

using namespace Qt::StringLiterals;

void KartenAbfrage::tmpLeeren()
{
    if (!connection_.scalar(u"SELECT 1 FROM TMP LIMIT 1"_s).isNull())
        connection_.exec(u"DELETE FROM TMP"_s);
}

} // namespace tarvex
