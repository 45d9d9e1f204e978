#include "StationenAbfrage.h"

#include "Abfrage.h"
#include "BandList.h"
#include "BandTabelle.h"
#include "Gueltigkeit.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QList<StationenAbfrage::RufzeichenLocator> StationenAbfrage::bekannteStationen(const QStringList& vorhanden)
{
    QList<RufzeichenLocator> result;
    bekannteStationen(vorhanden, [&](std::string_view call, std::string_view locator) {
        result.append({ std::string(call), std::string(locator) });
    });
    return result;
}

void StationenAbfrage::bekannteStationen(const QStringList& vorhanden, const JePaar& je)
{
    // Band by band in stored order: one query each reads in rowid order, without a sort of them all.
    for (const BandInfo& band : alleBänder()) {
        if (!vorhanden.contains(band.tabelle))
            continue;
        jedeZeile(connection_,
            u"SELECT Rufzeichen, Locator FROM "_s + bandTabelleSql(band.tabelle) + u" WHERE "_s + gültigSql(),
            {}, [&](SQLite::Statement& s) {
                const SQLite::Column call = s.getColumn(0);
                const SQLite::Column locator = s.getColumn(1);
                je({ call.getText(), static_cast<std::size_t>(call.getBytes()) },
                    { locator.getText(), static_cast<std::size_t>(locator.getBytes()) });
            });
    }
}

} // namespace tarvex
