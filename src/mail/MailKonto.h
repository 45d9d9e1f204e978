#pragma once
#include <QString>

namespace tarvex {

// How mail leaves this station: the SMTP server, the sign-on and the two addresses.
struct MailKonto {
    enum class Verschlüsselung { Keine, StartTls, SslTls };

    QString server;
    int port = 587;
    Verschlüsselung verschlüsselung = Verschlüsselung::StartTls;
    QString benutzer; // empty: no sign-on
    QString passwort;
    QString absender; // sender address
    QString empfänger; // QQ9QQ's address
    QString caDatei; // extra trusted certificates (PEM); empty: the system's

    friend bool operator==(const MailKonto&, const MailKonto&) = default;
};

} // namespace tarvex
