#pragma once
#include "Connection.h"
#include "Summen.h"

#include <QList>
#include <functional>
#include <optional>

namespace tarvex {

// What the running score reads of a band table.
class WertungsAbfrage {
public:
    explicit WertungsAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    // Every contact of the band in stored order, one at a time: a band's score is
    // loaded without a second copy of all its texts.
    void jedeZeile(const QString& band, qint64 abRowid, const std::function<void(const WertungsZeile&)>& je);
    QList<WertungsZeile> zeilen(const QString& band, qint64 abRowid = 0);
    // Every contact of the band, valid or not.
    qint64 anzahl(const QString& band);
    std::optional<WertungsZeile> zeile(const QString& band, qint64 rowid);

private:
    Connection& connection_;
};

} // namespace tarvex
