#pragma once
#include <QAbstractSocket>
#include <QString>

namespace tarvex {

// A socket's failure in the operator's words, for a status line. The peer closing
// the connection is named by the caller ("vom Server getrennt"), as only it knows
// who the peer is.
QString netzFehler(QAbstractSocket::SocketError fehler, const QString& getrennt);

} // namespace tarvex
