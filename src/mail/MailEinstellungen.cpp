#include "MailEinstellungen.h"

#include "store/Settings.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kVerschlüsselung[] = { u"keine"_s, u"STARTTLS"_s, u"SSL/TLS"_s };

bool istAdresse(const QString& text)
{
    static const QRegularExpression muster(u"^[^@\\s<>\",]+@[^@\\s<>\",]+\\.[^@\\s<>\",]+$"_s);
    return muster.match(text).hasMatch();
}

} // namespace

const QString MailEinstellungen::kAbschnitt = u"eMail"_s;

QStringList MailEinstellungen::verschlüsselungen()
{
    return { std::begin(kVerschlüsselung), std::end(kVerschlüsselung) };
}

int MailEinstellungen::standardPort(MailKonto::Verschlüsselung v)
{
    switch (v) {
    case MailKonto::Verschlüsselung::Keine:
        return 25;
    case MailKonto::Verschlüsselung::StartTls:
        return 587;
    case MailKonto::Verschlüsselung::SslTls:
        return 465;
    }
    return 587;
}

int MailEinstellungen::portNachWechsel(
    MailKonto::Verschlüsselung alt, MailKonto::Verschlüsselung neu, int port)
{
    return port == standardPort(alt) ? standardPort(neu) : port;
}

MailKonto MailEinstellungen::lesen(const Settings& s)
{
    MailKonto k;
    k.server = s.lesen(kAbschnitt, u"Server"_s);
    const int art = static_cast<int>(verschlüsselungen().indexOf(s.lesen(kAbschnitt, u"Verschlüsselung"_s)));
    if (art >= 0)
        k.verschlüsselung = static_cast<MailKonto::Verschlüsselung>(art);
    const int port = s.zahl(kAbschnitt, u"Port"_s);
    k.port = port > 0 && port <= 65535 ? port : standardPort(k.verschlüsselung);
    k.benutzer = s.lesen(kAbschnitt, u"Benutzer"_s);
    k.passwort = s.lesen(kAbschnitt, u"Passwort"_s);
    k.absender = s.lesen(kAbschnitt, u"Absender"_s);
    k.empfänger = s.lesen(kAbschnitt, u"Empfänger"_s);
    k.caDatei = s.lesen(kAbschnitt, u"Zertifikate"_s);
    return k;
}

void MailEinstellungen::schreiben(Settings& s, const MailKonto& k)
{
    s.schreiben(kAbschnitt, u"Server"_s, k.server.trimmed());
    s.zahlSchreiben(kAbschnitt, u"Port"_s, k.port);
    s.schreiben(kAbschnitt, u"Verschlüsselung"_s, kVerschlüsselung[static_cast<int>(k.verschlüsselung)]);
    s.schreiben(kAbschnitt, u"Benutzer"_s, k.benutzer);
    s.schreiben(kAbschnitt, u"Passwort"_s, k.passwort);
    s.schreiben(kAbschnitt, u"Absender"_s, k.absender.trimmed());
    s.schreiben(kAbschnitt, u"Empfänger"_s, k.empfänger.trimmed());
    s.schreiben(kAbschnitt, u"Zertifikate"_s, k.caDatei);
    s.sync();
    QFile::setPermissions(s.dateiname(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString MailEinstellungen::prüfen(const MailKonto& k)
{
    if (k.server.trimmed().contains(u' ') || k.server.contains(u'/'))
        return u"Bitte den Mailserver ohne Leerzeichen und ohne „/“ eingeben, z. B. smtp.example.org."_s;
    if (k.port < 1 || k.port > 65535)
        return u"Der Port muss eine Zahl von 1 bis 65535 sein."_s;
    for (const auto& [wert, was] : { std::pair { k.absender, u"Absenderadresse"_s },
             std::pair { k.empfänger, u"Empfängeradresse"_s } }) {
        if (std::any_of(
                wert.begin(), wert.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }))
            return u"Die %1 enthält einen Zeilenumbruch oder ein anderes Steuerzeichen."_s.arg(was);
    }
    if (!k.absender.trimmed().isEmpty() && !istAdresse(k.absender.trimmed()))
        return u"Die Absenderadresse „%1“ ist keine E-Mail-Adresse."_s.arg(k.absender.trimmed());
    if (!k.empfänger.trimmed().isEmpty() && !istAdresse(k.empfänger.trimmed()))
        return u"Die Empfängeradresse „%1“ ist keine E-Mail-Adresse."_s.arg(k.empfänger.trimmed());
    if (k.benutzer.isEmpty() && !k.passwort.isEmpty())
        return u"Zum Passwort fehlt der Benutzername."_s;
    return {};
}

QString MailEinstellungen::fehlendeAngaben(const MailKonto& k)
{
    QStringList fehlt;
    if (k.server.trimmed().isEmpty())
        fehlt << u"Mailserver"_s;
    if (k.absender.trimmed().isEmpty())
        fehlt << u"Absenderadresse"_s;
    if (k.empfänger.trimmed().isEmpty())
        fehlt << u"Empfängeradresse"_s;
    if (fehlt.isEmpty())
        return {};
    return u"Für den E-Mail-Versand fehlen Angaben (%1). Bitte unter „Optionen“, "
           u"„E-Mail-Einstellungen“ eintragen."_s.arg(fehlt.join(u", "_s));
}

} // namespace tarvex
