#include "TelnetTestServer.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace tarvex::test {

TelnetTestServer::TelnetTestServer(QList<QList<Schritt>> sitzungen, QObject* parent)
    : QObject(parent)
    , server_(new QTcpServer(this))
    , sitzungen_(std::move(sitzungen))
{
    server_->listen(QHostAddress::LocalHost, 0);
    connect(server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* verbindung = server_->nextPendingConnection()) {
            if (client_ != nullptr) {
                client_->disconnect(this);
                client_->abort();
                client_->deleteLater();
            }
            client_ = verbindung;
            puffer_.clear();
            gelesen_ = empfangen_.size();
            sitzung_ = sitzungen_.isEmpty()
                ? QList<Schritt>()
                : sitzungen_.at(std::min<qsizetype>(verbindungen_, sitzungen_.size() - 1));
            ++verbindungen_;
            schritt_ = 0;
            connect(client_, &QTcpSocket::readyRead, this, [this, c = client_] {
                // The client's refusals of options (IAC DONT/WONT x) are no text.
                const QByteArray neu = c->readAll();
                for (qsizetype i = 0; i < neu.size(); ++i) {
                    if (static_cast<unsigned char>(neu[i]) == 255 && i + 2 < neu.size()) {
                        verweigert_.append(neu.mid(i, 3));
                        i += 2;
                    } else {
                        puffer_.append(neu[i]);
                    }
                }
                qsizetype ende;
                while ((ende = puffer_.indexOf('\n')) >= 0) {
                    QByteArray z = puffer_.left(ende);
                    puffer_.remove(0, ende + 1);
                    if (z.endsWith('\r'))
                        z.chop(1);
                    empfangen_.append(QString::fromLatin1(z));
                }
                weiter();
            });
            weiter();
        }
    });
}

TelnetTestServer::~TelnetTestServer()
{
    if (client_ != nullptr)
        client_->disconnect(this);
}

quint16 TelnetTestServer::port() const
{
    return server_->serverPort();
}

void TelnetTestServer::jetztSenden(const QByteArray& d)
{
    if (client_ != nullptr)
        client_->write(d);
}

void TelnetTestServer::abschalten()
{
    server_->close();
    if (client_ != nullptr) {
        client_->disconnect(this);
        client_->abort();
        client_->deleteLater();
        client_ = nullptr;
    }
}

void TelnetTestServer::weiter()
{
    while (client_ != nullptr && schritt_ < sitzung_.size()) {
        const Schritt& s = sitzung_.at(schritt_);
        switch (s.art) {
        case Schritt::Art::Senden:
            client_->write(s.daten);
            break;
        case Schritt::Art::Erwarten: {
            bool da = false;
            while (gelesen_ < empfangen_.size() && !da)
                da = empfangen_.at(gelesen_++).startsWith(QString::fromLatin1(s.daten));
            if (!da)
                return;
            break;
        }
        case Schritt::Art::Schliessen:
            ++schritt_;
            client_->flush();
            client_->disconnectFromHost();
            return;
        }
        ++schritt_;
    }
}

} // namespace tarvex::test
