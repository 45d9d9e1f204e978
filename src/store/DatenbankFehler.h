#pragma once
#include "common/UserError.h"

namespace tarvex {

// A failure of the database engine, with its German message and the engine's
// result code, so that a caller can tell a busy file from a damaged one.
class DatenbankFehler : public UserError {
public:
    DatenbankFehler(const QString& meldung, int code)
        : UserError(meldung)
        , code_(code)
    {
    }
    // The primary result code (SQLITE_BUSY, SQLITE_FULL, ...).
    int code() const noexcept { return code_ & 0xff; }

private:
    int code_;
};

} // namespace tarvex
