#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tarvex::test {

// Encodes WSJT-X's UDP messages with QDataStream as the published format
// describes them, independently of the program's decoder, and sends them.
struct WsjtxQso {
    QString id = QStringLiteral("WSJT-X");
    QDateTime aus = QDateTime(QDate(2026, 12, 5), QTime(14, 33, 15), Qt::UTC);
    QDateTime an = QDateTime(QDate(2026, 12, 5), QTime(14, 31, 0), Qt::UTC);
    QString call = QStringLiteral("DL1ABC");
    QString grid = QStringLiteral("JO31AB");
    quint64 frequenz = 144'174'000;
    QString mode = QStringLiteral("FT8");
    QString rstGesendet = QStringLiteral("-05");
    QString rstErhalten = QStringLiteral("-12");
    QString leistung = QStringLiteral("100");
    QString kommentar;
    QString name;
    QString bediener;
    QString meinCall = QStringLiteral("DL0XX");
    QString meinGrid = QStringLiteral("JO31AA");
    QString austauschGesendet;
    QString austauschErhalten;
    QString ausbreitung;
};

enum class Felder {
    BisZeitAn, // a sender older than the operator and exchange fields
    BisAustausch, // through exchange received
    Neuer, // propagation mode and a field this program does not know yet
};

QByteArray qsoNachricht(const WsjtxQso& q, quint32 schema = 3, Felder felder = Felder::Neuer);
QByteArray statusNachricht(const QString& dxCall, const QString& dxGrid, quint32 schema = 3);
QByteArray herzschlagNachricht(quint32 schema = 3);
QByteArray adifNachricht(const WsjtxQso& q, quint32 schema = 3);
QByteArray endeNachricht(quint32 schema = 3);

// One datagram to 127.0.0.1.
void udpSenden(const QByteArray& datagramm, quint16 port);

} // namespace tarvex::test
