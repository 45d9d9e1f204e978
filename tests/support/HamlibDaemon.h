#pragma once
#include "TestFiles.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <memory>

namespace tarvex::test {

// Hamlib's rigctld or rotctld with the dummy backend (-m 1) on 127.0.0.1 and a
// free port, running for the object's lifetime.
class HamlibDaemon {
public:
    // programm: "rigctld" or "rotctld". läuft() is false when it is not installed.
    explicit HamlibDaemon(const QString& programm);
    ~HamlibDaemon();
    bool läuft() const { return läuft_; }
    quint16 port() const { return port_; }
    // Ends the daemon as a crash would (the test of a daemon gone mid-contest).
    void töten();
    // Why it does not run, for the skip message.
    const QString& grund() const { return grund_; }

private:
    QProcess prozess_;
    quint16 port_ = 0;
    bool läuft_ = false;
    QString grund_;
};

// A daemon of our own that misbehaves in one chosen way.
class FalscherDaemon {
public:
    enum class Art {
        Schweigt, // accepts and never answers
        Fehler, // answers every line with "RPRT -1"
        BrichtAb, // sends half a line, then closes
        Stueckweise, // answers "p" with "123.4\n0.0\n", one byte at a time
    };
    explicit FalscherDaemon(Art art);
    quint16 port() const { return server_.serverPort(); }
    // The command lines received so far.
    const QList<QByteArray>& empfangen() const { return empfangen_; }
    int verbindungen() const { return verbindungen_; }

private:
    void zeile(QTcpSocket* s, const QByteArray& befehl);

    Art art_;
    QTcpServer server_;
    QList<QByteArray> empfangen_;
    int verbindungen_ = 0;
};

} // namespace tarvex::test
