#include "NetzFehler.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QString netzFehler(QAbstractSocket::SocketError fehler, const QString& getrennt)
{
    switch (fehler) {
    case QAbstractSocket::ConnectionRefusedError:
        return u"Verbindung abgelehnt"_s;
    case QAbstractSocket::RemoteHostClosedError:
        return getrennt;
    case QAbstractSocket::HostNotFoundError:
        return u"Rechner nicht gefunden"_s;
    case QAbstractSocket::SocketTimeoutError:
        return u"keine Antwort beim Verbinden"_s;
    case QAbstractSocket::NetworkError:
        return u"Netzwerk nicht erreichbar"_s;
    default:
        return u"Netzwerkfehler"_s;
    }
}

} // namespace tarvex
