#pragma once
#include "TelnetZeilen.h"

#include <QAbstractSocket>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

namespace tarvex {

// How long the connection waits; tests pass shorter times.
struct TelnetZeiten {
    int verbindenMs = 10000;
    int ersteWartezeitMs = 2000;
    int längsteWartezeitMs = 60000;
    // Reconnects after a loss before it gives up until the operator connects again.
    int versuche = 10;
};

// What the server's prompts are answered with. A prompt arrives without line
// end, so it is recognised in the rest of a line as well.
struct TelnetAnmeldung {
    QString rufzeichen;
    QString passwort; // "" when the server asks for none
    QString raum; // the chat's room number, "" for a cluster
};

// One telnet session to the chat or a cluster, in the background throughout:
// connecting, signing on, reading lines, and after a loss reconnecting with a
// doubling pause. Nothing blocks and nothing asks the operator; what happens is
// the status text.
class TelnetVerbindung : public QObject {
    Q_OBJECT
public:
    enum class Zustand { Aus, Verbindet, Anmeldung, Angemeldet, Wartet, Aufgegeben };

    explicit TelnetVerbindung(TelnetZeiten zeiten = {}, QObject* parent = nullptr);
    ~TelnetVerbindung() override;

    void verbinden(const QString& host, quint16 port, const TelnetAnmeldung& anmeldung);
    void trennen();
    // One line to the server; dropped while not connected (the status says so).
    bool senden(const QString& zeile);

    Zustand zustand() const { return zustand_; }
    // The status line, German.
    QString status() const;

    static int wartezeit(int versuch, const TelnetZeiten& zeiten);

signals:
    // Every line the server sent except the prompts answered.
    void lineReceived(const QString& zeile);
    // The last prompt was answered: commands may go out now.
    void signedOn();
    void stateChanged();

private:
    void aufbauen();
    void lesen();
    bool beantworten(const QString& text);
    void verloren(const QString& grund);
    void setZustand(Zustand z);

    TelnetZeiten zeiten_;
    QTcpSocket* socket_;
    QTimer* verbindenUhr_;
    QTimer* wiederUhr_;
    TelnetZeilen zeilen_;
    TelnetAnmeldung anmeldung_;
    QString host_;
    quint16 port_ = 0;
    Zustand zustand_ = Zustand::Aus;
    int versuch_ = 0;
    QString grund_;
};

} // namespace tarvex
