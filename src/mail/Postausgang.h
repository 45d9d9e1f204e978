#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <atomic>

namespace tarvex {

class MailSender;
struct MailKonto;

// The outbox: the folder "Postausgang" in the working directory, one .eml file
// per message not yet accepted by a mail server. A message leaves the folder
// only after the server has accepted it; one process sends at a time.
class Postausgang {
public:
    static const QString kOrdner; // "Postausgang"

    explicit Postausgang(const QString& ordner);

    // Files the message complete and on disk, or not at all (UserError);
    // returns the file's path.
    QString ablegen(const QByteArray& nachricht, const QString& anhangName, const QDateTime& jetzt);
    // The waiting messages, oldest first.
    QStringList nachrichten() const;

    struct Bericht {
        int gesendet = 0;
        int übrig = 0;
        QString fehler; // German, the first failure; "" when all went out
    };
    // Sends the waiting messages in order; stops at the first failure.
    Bericht senden(MailSender& sender, const MailKonto& konto, const std::atomic_bool& abbrechen);

private:
    QString ordner_;
};

} // namespace tarvex
