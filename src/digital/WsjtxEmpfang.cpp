#include "WsjtxEmpfang.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

namespace tarvex {

using namespace Qt::StringLiterals;

WsjtxEmpfang::WsjtxEmpfang(QObject* parent)
    : QObject(parent)
{
}

WsjtxEmpfang::~WsjtxEmpfang() = default;

QString WsjtxEmpfang::starten(const DigitalEinstellungen& e)
{
    stoppen();
    if (!e.ein)
        return {};
    if (const QString f = e.fehler(); !f.isEmpty())
        return f;
    auto* s = new QUdpSocket(this);
    const QString gruppe = e.gruppe.trimmed();
    // Other listeners share a multicast group's port; a plain port is ours.
    const bool geteilt = !gruppe.isEmpty();
    const QHostAddress adresse
        = geteilt ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(QHostAddress::Any);
    const auto modus = geteilt ? QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint
                               : QAbstractSocket::DefaultForPlatform;
    if (!s->bind(adresse, e.port, modus)) {
        const QString grund = s->errorString();
        delete s;
        return u"Digitalbetrieb: UDP-Port %1 nicht verfügbar (%2)"_s.arg(e.port).arg(grund);
    }
    if (geteilt && !s->joinMulticastGroup(QHostAddress(gruppe))) {
        const QString grund = s->errorString();
        delete s;
        return u"Digitalbetrieb: Multicast-Gruppe %1 nicht beigetreten (%2)"_s.arg(gruppe, grund);
    }
    socket_ = s;
    connect(socket_, &QUdpSocket::readyRead, this, &WsjtxEmpfang::lesen);
    return {};
}

void WsjtxEmpfang::stoppen()
{
    delete socket_;
    socket_ = nullptr;
}

quint16 WsjtxEmpfang::port() const
{
    return socket_ != nullptr ? socket_->localPort() : 0;
}

void WsjtxEmpfang::lesen()
{
    while (socket_ != nullptr && socket_->hasPendingDatagrams()) {
        // One byte more than allowed, so an oversized datagram shows as such.
        const QNetworkDatagram d = socket_->receiveDatagram(wsjtx::kGrößte + 1);
        const std::optional<wsjtx::Nachricht> n = wsjtx::lesen(d.data());
        if (!n) {
            ++verworfen_;
            continue;
        }
        emit empfangen(*n);
    }
}

} // namespace tarvex
