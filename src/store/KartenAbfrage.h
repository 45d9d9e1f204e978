#pragma once
#include "Connection.h"

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

private:
    Connection& connection_;
};

} // namespace tarvex
