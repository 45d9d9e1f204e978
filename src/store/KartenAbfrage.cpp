#include "KartenAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

void KartenAbfrage::tmpLeeren()
{
    if (!connection_.scalar(u"SELECT 1 FROM TMP LIMIT 1"_s).isNull())
        connection_.exec(u"DELETE FROM TMP"_s);
}

std::optional<QStringList> KartenAbfrage::locatorsDerErsten(const QString& band, qint64 n)
{
    // At least one row is read, to tell an empty table from n = 0.
    QStringList result;
    bool leer = true;
    jedeZeile(connection_, u"SELECT Locator FROM "_s + bandTabelleSql(band) + u" ORDER BY rowid LIMIT ?"_s,
        { std::max<qint64>(n, 1) }, [&](SQLite::Statement& s) {
            leer = false;
            if (n > 0)
                result.append(textAus(s.getColumn(0)));
        });
    if (leer)
        return std::nullopt;
    return result;
}

} // namespace tarvex
