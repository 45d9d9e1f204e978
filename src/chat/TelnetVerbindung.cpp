#include "TelnetVerbindung.h"

#include "common/NetzFehler.h"

#include "KstZeile.h"

#include <QTcpSocket>
#include <QTimer>

namespace tarvex {

using namespace Qt::StringLiterals;

TelnetVerbindung::TelnetVerbindung(TelnetZeiten zeiten, QObject* parent)
    : QObject(parent)
    , zeiten_(zeiten)
    , socket_(new QTcpSocket(this))
    , verbindenUhr_(new QTimer(this))
    , wiederUhr_(new QTimer(this))
{
    verbindenUhr_->setSingleShot(true);
    wiederUhr_->setSingleShot(true);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        verbindenUhr_->stop();
        setZustand(Zustand::Anmeldung);
    });
    connect(socket_, &QTcpSocket::readyRead, this, &TelnetVerbindung::lesen);
    connect(socket_, &QTcpSocket::disconnected, this, [this] { verloren(u"vom Server getrennt"_s); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError fehler) {
        verloren(netzFehler(fehler, u"vom Server getrennt"_s));
    });
    connect(verbindenUhr_, &QTimer::timeout, this, [this] { verloren(u"keine Antwort beim Verbinden"_s); });
    connect(wiederUhr_, &QTimer::timeout, this, &TelnetVerbindung::aufbauen);
}

TelnetVerbindung::~TelnetVerbindung()
{
    socket_->disconnect(this);
    socket_->abort();
}

void TelnetVerbindung::verbinden(const QString& host, quint16 port, const TelnetAnmeldung& anmeldung)
{
    trennen();
    host_ = host;
    port_ = port;
    anmeldung_ = anmeldung;
    versuch_ = 0;
    grund_.clear();
    aufbauen();
}

void TelnetVerbindung::trennen()
{
    verbindenUhr_->stop();
    wiederUhr_->stop();
    // Aus first: the socket's own signals must not start a reconnect.
    const bool war = zustand_ != Zustand::Aus;
    zustand_ = Zustand::Aus;
    socket_->abort();
    zeilen_.leeren();
    if (war)
        emit stateChanged();
}

bool TelnetVerbindung::senden(const QString& zeile)
{
    if (zustand_ != Zustand::Angemeldet && zustand_ != Zustand::Anmeldung)
        return false;
    // The servers speak 8-bit text; a line end inside would be a second command.
    QString z = zeile;
    z.replace(u'\r', u' ').replace(u'\n', u' ');
    socket_->write(z.toLatin1() + "\r\n");
    return true;
}

QString TelnetVerbindung::status() const
{
    const QString wo = host_ + u':' + QString::number(port_);
    switch (zustand_) {
    case Zustand::Aus:
        return u"Nicht verbunden"_s;
    case Zustand::Verbindet:
        return u"Verbinde mit %1 …"_s.arg(wo);
    case Zustand::Anmeldung:
        return u"Verbunden mit %1, Anmeldung …"_s.arg(wo);
    case Zustand::Angemeldet:
        return u"Angemeldet als %1 bei %2"_s.arg(anmeldung_.rufzeichen, wo);
    case Zustand::Wartet:
        return u"Verbindung zu %1 unterbrochen (%2) – neuer Versuch in %3 s"_s.arg(
            wo, grund_, QString::number((wartezeit(versuch_ - 1, zeiten_) + 999) / 1000));
    case Zustand::Aufgegeben:
        return u"Keine Verbindung zu %1 (%2) – „Verbinden“ versucht es erneut"_s.arg(wo, grund_);
    }
    return {};
}

int TelnetVerbindung::wartezeit(int versuch, const TelnetZeiten& zeiten)
{
    qint64 ms = zeiten.ersteWartezeitMs;
    for (int i = 0; i < versuch && ms < zeiten.längsteWartezeitMs; ++i)
        ms *= 2;
    return static_cast<int>(std::min<qint64>(ms, zeiten.längsteWartezeitMs));
}

void TelnetVerbindung::aufbauen()
{
    zeilen_.leeren();
    setZustand(Zustand::Verbindet);
    socket_->abort();
    verbindenUhr_->start(zeiten_.verbindenMs);
    socket_->connectToHost(host_, port_);
}

void TelnetVerbindung::lesen()
{
    zeilen_.anhängen(socket_->readAll());
    if (const QByteArray a = zeilen_.antworten(); !a.isEmpty())
        socket_->write(a);
    while (const std::optional<QString> z = zeilen_.nächsteZeile()) {
        if (zustand_ == Zustand::Aus)
            return;
        if (!beantworten(*z))
            emit lineReceived(*z);
    }
    // A prompt waits for the answer without a line end.
    if (beantworten(zeilen_.rest()))
        zeilen_.restVerwerfen();
}

bool TelnetVerbindung::beantworten(const QString& text)
{
    if (zustand_ != Zustand::Anmeldung)
        return false;
    QString antwort;
    bool letzte = false;
    switch (kst::aufforderung(text)) {
    case kst::Aufforderung::Keine:
        return false;
    case kst::Aufforderung::Rufzeichen:
        antwort = anmeldung_.rufzeichen;
        letzte = anmeldung_.passwort.isEmpty() && anmeldung_.raum.isEmpty();
        break;
    case kst::Aufforderung::Passwort:
        antwort = anmeldung_.passwort;
        letzte = anmeldung_.raum.isEmpty();
        break;
    case kst::Aufforderung::Raum:
        antwort = anmeldung_.raum;
        letzte = true;
        break;
    }
    senden(antwort);
    if (letzte) {
        versuch_ = 0;
        setZustand(Zustand::Angemeldet);
        emit signedOn();
    }
    return true;
}

void TelnetVerbindung::verloren(const QString& grund)
{
    if (zustand_ == Zustand::Aus || zustand_ == Zustand::Wartet || zustand_ == Zustand::Aufgegeben)
        return;
    verbindenUhr_->stop();
    grund_ = grund;
    zustand_ = Zustand::Wartet;
    socket_->abort();
    if (versuch_ >= zeiten_.versuche) {
        zustand_ = Zustand::Aufgegeben;
    } else {
        wiederUhr_->start(wartezeit(versuch_, zeiten_));
        ++versuch_;
    }
    emit stateChanged();
}

void TelnetVerbindung::setZustand(Zustand z)
{
    if (zustand_ == z)
        return;
    zustand_ = z;
    emit stateChanged();
}

} // namespace tarvex
