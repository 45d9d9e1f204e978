#pragma once
#include <QDateTime>

namespace tarvex {

// The computer's clock (local time, as the operator set it). Tests use a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime jetzt() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime jetzt() const override;
};

} // namespace tarvex
