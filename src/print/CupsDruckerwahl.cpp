#include "CupsDruckerwahl.h"
#include "Druckerwarteschlange.h"

#include <QPrinterInfo>

namespace tarvex {

QString CupsDruckerwahl::standardDrucker() const
{
    return QPrinterInfo::defaultPrinter().printerName();
}

Druckerwahl::Zustand CupsDruckerwahl::zustand(const QString& drucker) const
{
    return Druckerwarteschlange::zustand(drucker);
}

} // namespace tarvex
