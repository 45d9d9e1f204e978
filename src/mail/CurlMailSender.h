#pragma once
#include "MailSender.h"

namespace tarvex {

// SMTP through libcurl: plain, STARTTLS or SMTPS, with sign-on when a user is set.
class CurlMailSender final : public MailSender {
public:
    CurlMailSender();
    void senden(const MailKonto& konto, const QString& von, const QString& an, const QByteArray& nachricht,
        const std::atomic_bool& abbrechen) override;
};

} // namespace tarvex
