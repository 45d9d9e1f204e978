#include "StatistikAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

QList<StatistikAbfrage::Stunde> StatistikAbfrage::stunden(const QString& band)
{
    QList<Stunde> result;
    jedeZeile(connection_,
        u"SELECT HOUR(Zeit) AS Stunde,COUNT(*),SUM(VAL(Punkte)) FROM "_s + bandTabelleSql(band) + u" WHERE "_s
            + gültigSql() + u" AND HOUR(Zeit) BETWEEN 0 AND 23 GROUP BY 1"_s,
        {}, [&](SQLite::Statement& s) {
            result.append(
                { s.getColumn(0).getInt(), s.getColumn(1).getInt64(), qRound64(s.getColumn(2).getDouble()) });
        });
    return result;
}

} // namespace tarvex
