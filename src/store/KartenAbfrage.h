#pragma once
#include "Connection.h"

#include <QStringList>
#include <optional>
#include <utility>

namespace tarvex {

// The square map's reads of one band table.
class KartenAbfrage {
public:
    explicit KartenAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    // An empty TMP costs no write (and no disk sync) on every map view.
    void tmpLeeren();
    // Locator of the first n contacts in stored order, invalid ones included;
    // nothing when the band table has no row at all.
    std::optional<QStringList> locatorsDerErsten(const QString& band, qint64 n);

private:
    Connection& connection_;
};

} // namespace tarvex
