#pragma once
#include "Connection.h"

#include <QList>
#include <functional>
#include <string>
#include <string_view>

namespace tarvex {

// The known stations' read over every band table of the contest.
class StationenAbfrage {
public:
    explicit StationenAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    // As stored, in UTF-8: a short text stays inside the string, without an allocation.
    struct RufzeichenLocator {
        std::string rufzeichen;
        std::string locator;
    };
    // Call and locator of every valid contact on the given bands: bands in
    // band-list order, contacts in stored order.
    QList<RufzeichenLocator> bekannteStationen(const QStringList& bandTabellen);
    // The same pairs handed over one by one, as the engine holds them: nothing kept.
    using JePaar = std::function<void(std::string_view rufzeichen, std::string_view locator)>;
    void bekannteStationen(const QStringList& bandTabellen, const JePaar& je);

private:
    Connection& connection_;
};

} // namespace tarvex
