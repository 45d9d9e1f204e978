#include "KartenAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

QList<std::pair<QString, int>> KartenAbfrage::großfelderZählen(const QString& band, bool tmpLeeren)
{
    const QString table = bandTabelleSql(band);
    // An empty TMP costs no write (and no disk sync) on every map view, and a
    // write-protected contest still shows its map.
    if (tmpLeeren && !connection_.scalar(u"SELECT 1 FROM TMP LIMIT 1"_s).isNull())
        connection_.exec(u"DELETE FROM TMP"_s);
    QList<std::pair<QString, int>> result;
    jedeZeile(connection_,
        u"SELECT COUNT(*) AS \"Anzahl\",SQUARE AS \"Großfeld\" FROM "_s + table + u" WHERE "_s + gültigSql()
            + u" GROUP BY SQUARE"_s,
        {}, [&](SQLite::Statement& s) {
            result.append({ textAus(s.getColumn(1)), s.getColumn(0).getInt() });
        });
    return result;
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
