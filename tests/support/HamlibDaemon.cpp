#include "HamlibDaemon.h"

#include <QStandardPaths>
#include <QTimer>

namespace tarvex::test {

using namespace Qt::StringLiterals;

HamlibDaemon::HamlibDaemon(const QString& programm)
{
    const QString pfad = QStandardPaths::findExecutable(programm);
    if (pfad.isEmpty()) {
        grund_ = programm + u" fehlt (Paket libhamlib-utils)"_s;
        return;
    }
    // A port taken between asking and binding makes the daemon exit: try again.
    for (int versuch = 0; versuch < 5 && !läuft_; ++versuch) {
        port_ = freierPort();
        prozess_.start(pfad, { u"-m"_s, u"1"_s, u"-T"_s, u"127.0.0.1"_s, u"-t"_s, QString::number(port_) });
        if (!prozess_.waitForStarted(5000))
            continue;
        läuft_ = warteBis(
                     [this] {
                         if (prozess_.state() != QProcess::Running)
                             return true;
                         QTcpSocket probe;
                         probe.connectToHost(u"127.0.0.1"_s, port_);
                         return probe.waitForConnected(200);
                     },
                     10000)
            && prozess_.state() == QProcess::Running;
    }
    if (!läuft_)
        grund_ = programm + u" startet nicht: "_s + QString::fromLocal8Bit(prozess_.readAllStandardError());
}

HamlibDaemon::~HamlibDaemon()
{
    töten();
}

void HamlibDaemon::töten()
{
    if (prozess_.state() == QProcess::NotRunning)
        return;
    prozess_.kill();
    prozess_.waitForFinished(5000);
}

FalscherDaemon::FalscherDaemon(Art art)
    : art_(art)
{
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            ++verbindungen_;
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                while (s->canReadLine())
                    zeile(s, s->readLine().trimmed());
            });
        }
    });
}

void FalscherDaemon::zeile(QTcpSocket* s, const QByteArray& befehl)
{
    empfangen_.append(befehl);
    switch (art_) {
    case Art::Schweigt:
        break;
    case Art::Fehler:
        s->write("RPRT -1\n");
        break;
    case Art::BrichtAb:
        s->write("12");
        s->flush();
        s->disconnectFromHost();
        break;
    case Art::Stueckweise: {
        const QByteArray antwort = befehl == "p" ? QByteArray("123.4\n0.0\n") : QByteArray("RPRT 0\n");
        auto* uhr = new QTimer(s);
        auto stelle = std::make_shared<int>(0);
        QObject::connect(uhr, &QTimer::timeout, s, [s, uhr, antwort, stelle] {
            s->write(antwort.mid((*stelle)++, 1));
            s->flush();
            if (*stelle >= antwort.size())
                uhr->deleteLater();
        });
        uhr->start(5);
        break;
    }
    }
}

} // namespace tarvex::test
