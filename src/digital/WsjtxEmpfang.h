#pragma once
#include "DigitalEinstellungen.h"
#include "WsjtxNachricht.h"

#include <QObject>

class QUdpSocket;

namespace tarvex {

// The UDP socket WSJT-X sends to: every readable datagram is decoded, the
// others are counted and dropped.
class WsjtxEmpfang : public QObject {
    Q_OBJECT
public:
    explicit WsjtxEmpfang(QObject* parent = nullptr);
    ~WsjtxEmpfang() override;

    // Listens as the settings say (or stops when they are off); empty on
    // success, otherwise the reason for the status bar.
    QString starten(const DigitalEinstellungen& e);
    void stoppen();
    bool läuft() const { return socket_ != nullptr; }
    quint16 port() const;
    qint64 verworfen() const { return verworfen_; }

signals:
    void empfangen(const wsjtx::Nachricht& nachricht);

private:
    void lesen();

    QUdpSocket* socket_ = nullptr;
    qint64 verworfen_ = 0;
};

} // namespace tarvex
