#pragma once
#include "print/Druckerwahl.h"

namespace tarvex {

// The printer choice over the system's printers: Qt names the default one,
// CUPS tells whether a queue takes jobs.
class CupsDruckerwahl final : public Druckerwahl {
public:
    QString standardDrucker() const override;
    Zustand zustand(const QString& drucker) const override;
};

} // namespace tarvex
