#include "WsjtxSender.h"

#include <QDataStream>
#include <QHostAddress>
#include <QUdpSocket>

namespace tarvex::test {

namespace {

class Schreiber {
public:
    Schreiber(quint32 schema, quint32 art, const QString& id)
        : s_(&daten_, QIODevice::WriteOnly)
    {
        // Schema 2 is Qt 5.2's stream format, schema 3 Qt 5.4's.
        s_.setVersion(schema == 2 ? QDataStream::Qt_5_2 : QDataStream::Qt_5_4);
        s_ << quint32(0xadbccbda) << schema << art;
        text(id);
    }
    // Strings go as UTF-8 byte arrays; a null string as the null array.
    Schreiber& text(const QString& t)
    {
        s_ << (t.isNull() ? QByteArray() : t.toUtf8());
        return *this;
    }
    QDataStream& strom() { return s_; }
    QByteArray daten() const { return daten_; }

private:
    QByteArray daten_;
    QDataStream s_;
};

} // namespace

QByteArray qsoNachricht(const WsjtxQso& q, quint32 schema, Felder felder)
{
    Schreiber w(schema, 5, q.id);
    w.strom() << q.aus;
    w.text(q.call).text(q.grid);
    w.strom() << q.frequenz;
    w.text(q.mode).text(q.rstGesendet).text(q.rstErhalten).text(q.leistung).text(q.kommentar).text(q.name);
    w.strom() << q.an;
    if (felder != Felder::BisZeitAn)
        w.text(q.bediener)
            .text(q.meinCall)
            .text(q.meinGrid)
            .text(q.austauschGesendet)
            .text(q.austauschErhalten);
    if (felder == Felder::Neuer) {
        w.text(q.ausbreitung);
        w.strom() << quint32(4711) << true;
        w.text(QStringLiteral("später"));
    }
    return w.daten();
}

QByteArray statusNachricht(const QString& dxCall, const QString& dxGrid, quint32 schema)
{
    Schreiber w(schema, 1, QStringLiteral("WSJT-X"));
    w.strom() << quint64(144'174'000);
    w.text(QStringLiteral("FT8")).text(dxCall).text(QStringLiteral("-10")).text(QStringLiteral("FT8"));
    w.strom() << true << false << true << quint32(1500) << quint32(1200);
    w.text(QStringLiteral("DL0XX")).text(QStringLiteral("JO31AA")).text(dxGrid);
    w.strom() << false;
    w.text({});
    w.strom() << false << quint8(2) << quint32(0xffffffff) << quint32(15);
    w.text(QStringLiteral("Contest")).text(QStringLiteral("DL1ABC DL0XX JO31"));
    return w.daten();
}

QByteArray herzschlagNachricht(quint32 schema)
{
    Schreiber w(schema, 0, QStringLiteral("WSJT-X"));
    w.strom() << quint32(3);
    w.text(QStringLiteral("2.6.1")).text(QStringLiteral("abc123"));
    return w.daten();
}

QByteArray adifNachricht(const WsjtxQso& q, quint32 schema)
{
    Schreiber w(schema, 12, q.id);
    const QString call = q.call;
    w.text(QStringLiteral("<adif_ver:5>3.1.0<EOH><call:%1>%2<gridsquare:%3>%4<mode:3>FT8<EOR>")
               .arg(call.size())
               .arg(call)
               .arg(q.grid.size())
               .arg(q.grid));
    return w.daten();
}

QByteArray endeNachricht(quint32 schema)
{
    return Schreiber(schema, 6, QStringLiteral("WSJT-X")).daten();
}

void udpSenden(const QByteArray& datagramm, quint16 port)
{
    QUdpSocket s;
    s.writeDatagram(datagramm, QHostAddress::LocalHost, port);
}

} // namespace tarvex::test
