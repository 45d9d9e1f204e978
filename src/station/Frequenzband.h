#pragma once
#include <QString>
#include <QtGlobal>

namespace tarvex {

struct BandInfo;

// The band a transceiver frequency lies in (IARU Region 1 allocations), or
// nullptr outside every band of the band list.
const BandInfo* bandZurFrequenz(qint64 hertz);

// As the operator reads a frequency: MHz with three decimals, "144,300 MHz".
QString frequenzText(qint64 hertz);

} // namespace tarvex
