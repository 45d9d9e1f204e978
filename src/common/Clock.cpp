#include "Clock.h"

namespace tarvex {

QDateTime SystemClock::jetzt() const
{
    return QDateTime::currentDateTime();
}

} // namespace tarvex
