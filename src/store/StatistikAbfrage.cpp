#include "StatistikAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

QList<StatistikAbfrage::Entfernung> StatistikAbfrage::entfernungen(const QString& band, bool mitUngültigen)
{
    const QString sql = u"SELECT Punkte,Rufzeichen FROM "_s + bandTabelleSql(band)
        + (mitUngültigen ? QString() : u" WHERE "_s + gültigSql()) + u" ORDER BY VAL(Punkte) DESC,rowid"_s;
    QList<Entfernung> result;
    jedeZeile(connection_, sql, {}, [&](SQLite::Statement& s) {
        result.append({ textAus(s.getColumn(0)), textAus(s.getColumn(1)) });
    });
    return result;
}

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
