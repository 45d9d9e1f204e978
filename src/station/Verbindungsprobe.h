#pragma once
#include "HamlibClient.h"

#include <QObject>
#include <QString>

namespace tarvex {

// "Verbindung prüfen": connects once, asks the daemon who it is ("_", its
// info line) and reports in one German sentence what came back.
class Verbindungsprobe : public QObject {
    Q_OBJECT
public:
    explicit Verbindungsprobe(HamlibZeiten zeiten = {}, QObject* parent = nullptr);

    // name names the device in the answer: "Rotor", "Transceiver".
    void prüfen(const QString& name, const QString& host, quint16 port);
    bool läuft() const { return läuft_; }

signals:
    void finished(const QString& text);

private:
    void fertig(const QString& text);

    HamlibClient client_;
    QString gerät_;
    bool läuft_ = false;
};

} // namespace tarvex
