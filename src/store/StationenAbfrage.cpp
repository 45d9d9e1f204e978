#include "StationenAbfrage.h"

#include "Abfrage.h"
#include "BandList.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QList<StationenAbfrage::RufzeichenLocator> StationenAbfrage::bekannteStationen(const QStringList& vorhanden)
{
    QStringList teile;
    int position = 0;
    for (const BandInfo& band : alleBänder()) {
        if (vorhanden.contains(band.tabelle)) {
            teile.append(u"SELECT %1 AS b, rowid AS r, Rufzeichen, Locator FROM "_s.arg(position)
                + bandTabelleSql(band.tabelle) + u" WHERE "_s + gültigSql());
        }
        ++position;
    }
    QList<RufzeichenLocator> result;
    if (teile.isEmpty())
        return result;
    jedeZeile(connection_,
        u"SELECT Rufzeichen, Locator FROM ("_s + teile.join(u" UNION ALL "_s) + u") ORDER BY b, r"_s, {},
        [&](SQLite::Statement& s) {
            result.append({ textAus(s.getColumn(0)), textAus(s.getColumn(1)) });
        });
    return result;
}

} // namespace tarvex
