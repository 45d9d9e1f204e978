#pragma once
#include <QString>
#include <stdexcept>

namespace tarvex {

// A failure the operator must be told about, carrying the German message to show.
// Thrown by the store and file code; caught where a window can show it.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& meldung)
        : std::runtime_error(meldung.toStdString())
        , meldung_(meldung)
    {
    }
    const QString& meldung() const noexcept { return meldung_; }

private:
    QString meldung_;
};

} // namespace tarvex
