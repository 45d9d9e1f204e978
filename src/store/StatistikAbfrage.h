#pragma once
#include "Connection.h"

#include <QList>

namespace tarvex {

// The statistics windows' reads of one band table.
class StatistikAbfrage {
public:
    explicit StatistikAbfrage(Connection& connection)
        : connection_(connection)
    {
    }

    // Valid contacts per UTC hour of Zeit (date ignored); hours outside 0..23 are left out.
    struct Stunde {
        int stunde = 0;
        qint64 anzahl = 0;
        qint64 punkte = 0;
    };
    QList<Stunde> stunden(const QString& band);

private:
    Connection& connection_;
};

} // namespace tarvex
