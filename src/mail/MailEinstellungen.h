#pragma once
#include "MailKonto.h"

#include <QString>
#include <QStringList>

namespace tarvex {

class Settings;

// The dialog "E-Mail-Einstellungen": the mail account kept in the settings
// section "eMail". The settings file holds the password, so it is made
// readable for its owner only whenever the account is written.
class MailEinstellungen {
public:
    static const QString kAbschnitt;

    static MailKonto lesen(const Settings& settings);
    static void schreiben(Settings& settings, const MailKonto& konto);

    // Captions of the encryption choice, in the order of the enum.
    static QStringList verschlüsselungen();
    // Usual port of an encryption: 25, 587, 465.
    static int standardPort(MailKonto::Verschlüsselung v);
    // The port after the encryption changed: the new usual one while the old
    // usual one was set, otherwise the operator's own port stays.
    static int portNachWechsel(MailKonto::Verschlüsselung alt, MailKonto::Verschlüsselung neu, int port);

    // The dialog's check on OK: "" or the German message naming the first bad field.
    static QString prüfen(const MailKonto& konto);
    // What is missing for sending at all: "" when the account is complete.
    static QString fehlendeAngaben(const MailKonto& konto);
};

} // namespace tarvex
