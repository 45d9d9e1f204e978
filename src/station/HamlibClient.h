#pragma once
#include "Zeilenpuffer.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>

class QTcpSocket;
class QTimer;

namespace tarvex {

// What one command to rigctld or rotctld came back with.
struct HamlibAntwort {
    enum class Art { Werte, Fehler, Zeitablauf, Getrennt };
    Art art = Art::Getrennt;
    QStringList werte;
    int code = 0; // the daemon's "RPRT n" for Fehler
};

// How long the client waits; tests pass shorter times.
struct HamlibZeiten {
    int verbindenMs = 2000;
    int anfrageMs = 2000;
    int ersteWartezeitMs = 1000;
    int längsteWartezeitMs = 16000;
};

// One TCP connection to a Hamlib daemon, asynchronous throughout: commands queue
// and their replies come back through callbacks, nothing ever blocks. A reply
// that does not come in time, or a connection that breaks, fails the pending
// commands and, unless switched off, reconnects in the background with a
// growing pause.
class HamlibClient : public QObject {
    Q_OBJECT
public:
    enum class Zustand { Aus, Verbindet, Verbunden, Getrennt };
    using Rueckruf = std::function<void(const HamlibAntwort&)>;

    explicit HamlibClient(HamlibZeiten zeiten = {}, QObject* parent = nullptr);
    ~HamlibClient() override;

    // Connects and keeps the connection; wiederverbinden false tries once.
    void verbinden(const QString& host, quint16 port, bool wiederverbinden = true);
    // Closes; pending commands fail, no reconnect.
    void trennen();

    Zustand zustand() const { return zustand_; }
    // Connected and nothing pending: a poll may go out without piling up.
    bool frei() const { return zustand_ == Zustand::Verbunden && warteschlange_.empty(); }
    // Whether a connection failed since verbinden() and none has answered since.
    bool gescheitert() const { return gescheitert_; }
    // Why the last connection failed, in German.
    const QString& letzterFehler() const { return letzterFehler_; }

    // Queues one command line. werte: the lines a successful reply has (0 for a
    // command answered with "RPRT 0"). Fails at once when not connected.
    void senden(const QByteArray& befehl, int werte, Rueckruf fertig);

    // The pause before reconnect attempt number versuch (0, 1, ...): doubling, capped.
    static int wartezeit(int versuch, const HamlibZeiten& zeiten);

signals:
    void stateChanged();

private:
    struct Anfrage {
        QByteArray befehl;
        int werte = 0;
        Rueckruf fertig;
        QStringList erhalten;
        bool gesendet = false;
    };

    void aufbauen();
    void lesen();
    void nächsteSenden();
    void abschließen(HamlibAntwort antwort);
    void verloren(HamlibAntwort::Art art, const QString& grund);
    void setZustand(Zustand z);

    HamlibZeiten zeiten_;
    QTcpSocket* socket_ = nullptr;
    QTimer* verbindenUhr_ = nullptr;
    QTimer* anfrageUhr_ = nullptr;
    QTimer* wiederUhr_ = nullptr;
    Zeilenpuffer puffer_;
    std::deque<Anfrage> warteschlange_;
    QString host_;
    quint16 port_ = 0;
    bool wiederverbinden_ = true;
    bool gescheitert_ = false;
    int versuch_ = 0;
    Zustand zustand_ = Zustand::Aus;
    QString letzterFehler_;
};

} // namespace tarvex
