#pragma once
#include "Connection.h"

#include <QList>

namespace tarvex {

// The known stations' read over every band table of the contest.
class StationenAbfrage {
public:
    explicit StationenAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    struct RufzeichenLocator {
        QString rufzeichen;
        QString locator;
    };
    // Call and locator of every valid contact on the given bands: bands in
    // band-list order, contacts in stored order.
    QList<RufzeichenLocator> bekannteStationen(const QStringList& bandTabellen);

private:
    Connection& connection_;
};

} // namespace tarvex
