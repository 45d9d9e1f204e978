#pragma once
#include "MailKonto.h"

#include <QByteArray>
#include <QString>
#include <atomic>

namespace tarvex {

// Hands one finished message (RFC 5322, CR LF) to a mail server. Called from a
// worker thread; implementations keep no state between calls. Failures are
// UserError with a German message that never contains the password.
class MailSender {
public:
    virtual ~MailSender() = default;
    // Returns when the server has accepted the message. A set abbrechen ends the
    // transfer early with a UserError.
    virtual void senden(const MailKonto& konto, const QString& von, const QString& an,
        const QByteArray& nachricht, const std::atomic_bool& abbrechen)
        = 0;
};

} // namespace tarvex
