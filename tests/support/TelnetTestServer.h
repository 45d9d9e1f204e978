#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

namespace tarvex::test {

// A chat or cluster server on 127.0.0.1 for the tests. Each connection replays
// one session: bytes to send, lines to wait for, the point where the server
// drops the connection. Connection n plays session n; the last one repeats.
class TelnetTestServer : public QObject {
    Q_OBJECT
public:
    struct Schritt {
        enum class Art { Senden, Erwarten, Schliessen };
        Art art;
        QByteArray daten;
    };
    static Schritt senden(const QByteArray& d) { return { Schritt::Art::Senden, d }; }
    // Waits until the client sent a line starting with d.
    static Schritt erwarten(const QByteArray& d) { return { Schritt::Art::Erwarten, d }; }
    static Schritt schliessen() { return { Schritt::Art::Schliessen, {} }; }

    explicit TelnetTestServer(QList<QList<Schritt>> sitzungen, QObject* parent = nullptr);
    ~TelnetTestServer() override;

    quint16 port() const;
    int verbindungen() const { return verbindungen_; }
    // Every line the clients sent, in order, without line end.
    const QStringList& empfangen() const { return empfangen_; }
    // The option negotiation the clients sent back.
    const QByteArray& verweigert() const { return verweigert_; }
    // Bytes to the current client outside the script.
    void jetztSenden(const QByteArray& d);
    // Stops listening and drops the client: the server is gone.
    void abschalten();
    // A session that ended its script stays open, as a real server would.
    bool amEnde() const { return verbindungen_ > 0 && schritt_ >= sitzung_.size(); }

private:
    void weiter();

    QTcpServer* server_;
    QTcpSocket* client_ = nullptr;
    QList<QList<Schritt>> sitzungen_;
    QList<Schritt> sitzung_;
    qsizetype schritt_ = 0;
    int verbindungen_ = 0;
    QByteArray puffer_;
    QStringList empfangen_;
    QByteArray verweigert_;
    qsizetype gelesen_ = 0; // lines of empfangen_ the current step has seen
};

} // namespace tarvex::test
