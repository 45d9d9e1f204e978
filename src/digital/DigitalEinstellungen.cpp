#include "DigitalEinstellungen.h"

#include "store/Settings.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

const QString kAbschnitt = u"Digitalbetrieb"_s;

} // namespace

DigitalEinstellungen DigitalEinstellungen::laden(const Settings& s)
{
    DigitalEinstellungen e;
    e.ein = s.zahl(kAbschnitt, u"Ein"_s) != 0;
    bool ok = false;
    const int port = s.lesen(kAbschnitt, u"Port"_s).trimmed().toInt(&ok);
    if (ok && port > 0 && port <= 65535)
        e.port = static_cast<quint16>(port);
    e.gruppe = s.lesen(kAbschnitt, u"Multicast"_s).trimmed();
    return e;
}

void DigitalEinstellungen::speichern(Settings& s) const
{
    s.zahlSchreiben(kAbschnitt, u"Ein"_s, ein ? 1 : 0);
    s.zahlSchreiben(kAbschnitt, u"Port"_s, port);
    s.schreiben(kAbschnitt, u"Multicast"_s, gruppe.trimmed());
}

QString DigitalEinstellungen::fehler() const
{
    if (port == 0)
        return u"Der UDP-Port muss zwischen 1 und 65535 liegen."_s;
    if (gruppe.trimmed().isEmpty())
        return {};
    // QHostAddress takes inet_aton's short forms ("239.255.0"); a group is typed as four numbers.
    static const QRegularExpression vierZahlen(u"^\\d{1,3}(\\.\\d{1,3}){3}$"_s);
    const QHostAddress a(gruppe.trimmed());
    if (!vierZahlen.match(gruppe.trimmed()).hasMatch() || a.protocol() != QAbstractSocket::IPv4Protocol
        || !a.isMulticast())
        return u"%1 ist keine IPv4-Multicast-Gruppe (224.0.0.0 bis 239.255.255.255)."_s.arg(gruppe.trimmed());
    return {};
}

} // namespace tarvex
