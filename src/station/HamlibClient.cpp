#include "HamlibClient.h"

#include "common/NetzFehler.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

HamlibClient::HamlibClient(HamlibZeiten zeiten, QObject* parent)
    : QObject(parent)
    , zeiten_(zeiten)
    , socket_(new QTcpSocket(this))
    , verbindenUhr_(new QTimer(this))
    , anfrageUhr_(new QTimer(this))
    , wiederUhr_(new QTimer(this))
{
    for (QTimer* uhr : { verbindenUhr_, anfrageUhr_, wiederUhr_ })
        uhr->setSingleShot(true);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        // Small requests go out at once instead of waiting for more to send.
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        verbindenUhr_->stop();
        setZustand(Zustand::Verbunden);
        nächsteSenden();
    });
    connect(socket_, &QTcpSocket::readyRead, this, &HamlibClient::lesen);
    connect(socket_, &QTcpSocket::disconnected, this,
        [this] { verloren(HamlibAntwort::Art::Getrennt, u"Verbindung vom Daemon geschlossen"_s); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError fehler) {
        verloren(HamlibAntwort::Art::Getrennt, netzFehler(fehler, u"Verbindung vom Daemon geschlossen"_s));
    });
    connect(verbindenUhr_, &QTimer::timeout, this,
        [this] { verloren(HamlibAntwort::Art::Getrennt, u"keine Antwort beim Verbinden"_s); });
    connect(anfrageUhr_, &QTimer::timeout, this,
        [this] { verloren(HamlibAntwort::Art::Zeitablauf, u"keine Antwort auf den Befehl"_s); });
    connect(wiederUhr_, &QTimer::timeout, this, &HamlibClient::aufbauen);
}

HamlibClient::~HamlibClient()
{
    // No callback may run into an owner that is being destroyed.
    warteschlange_.clear();
    socket_->disconnect(this);
    socket_->abort();
}

void HamlibClient::verbinden(const QString& host, quint16 port, bool wiederverbinden)
{
    trennen();
    host_ = host;
    port_ = port;
    wiederverbinden_ = wiederverbinden;
    gescheitert_ = false;
    versuch_ = 0;
    letzterFehler_.clear();
    aufbauen();
}

void HamlibClient::trennen()
{
    wiederUhr_->stop();
    verbindenUhr_->stop();
    anfrageUhr_->stop();
    const bool war = zustand_ != Zustand::Aus;
    zustand_ = Zustand::Aus;
    socket_->abort();
    puffer_.leeren();
    std::deque<Anfrage> offen;
    offen.swap(warteschlange_);
    for (Anfrage& a : offen)
        a.fertig({ HamlibAntwort::Art::Getrennt, {}, 0 });
    if (war)
        emit stateChanged();
}

void HamlibClient::aufbauen()
{
    puffer_.leeren();
    setZustand(Zustand::Verbindet);
    verbindenUhr_->start(zeiten_.verbindenMs);
    socket_->connectToHost(host_, port_);
}

void HamlibClient::senden(const QByteArray& befehl, int werte, Rueckruf fertig)
{
    if (zustand_ != Zustand::Verbunden) {
        fertig({ HamlibAntwort::Art::Getrennt, {}, 0 });
        return;
    }
    warteschlange_.push_back({ befehl, werte, std::move(fertig), {}, false });
    nächsteSenden();
}

void HamlibClient::nächsteSenden()
{
    // One command at a time: the replies carry no tag, only their order.
    if (zustand_ != Zustand::Verbunden || warteschlange_.empty() || warteschlange_.front().gesendet)
        return;
    Anfrage& a = warteschlange_.front();
    a.gesendet = true;
    socket_->write(a.befehl + '\n');
    anfrageUhr_->start(zeiten_.anfrageMs);
}

void HamlibClient::lesen()
{
    puffer_.anhängen(socket_->readAll());
    while (!warteschlange_.empty() && warteschlange_.front().gesendet) {
        const std::optional<QString> zeile = puffer_.nächsteZeile();
        if (!zeile)
            return;
        Anfrage& a = warteschlange_.front();
        if (const std::optional<int> code = Zeilenpuffer::rprt(*zeile)) {
            if (*code == 0)
                abschließen({ HamlibAntwort::Art::Werte, a.erhalten, 0 });
            else
                abschließen({ HamlibAntwort::Art::Fehler, {}, *code });
            continue;
        }
        a.erhalten.append(*zeile);
        if (a.erhalten.size() >= a.werte)
            abschließen({ HamlibAntwort::Art::Werte, a.erhalten, 0 });
    }
    // Lines nobody asked for belong to no command.
    while (warteschlange_.empty() && puffer_.nächsteZeile()) { }
}

void HamlibClient::abschließen(HamlibAntwort antwort)
{
    anfrageUhr_->stop();
    Anfrage a = std::move(warteschlange_.front());
    warteschlange_.pop_front();
    versuch_ = 0;
    gescheitert_ = false;
    a.fertig(antwort);
    nächsteSenden();
}

void HamlibClient::verloren(HamlibAntwort::Art art, const QString& grund)
{
    if (zustand_ == Zustand::Aus || zustand_ == Zustand::Getrennt)
        return;
    verbindenUhr_->stop();
    anfrageUhr_->stop();
    letzterFehler_ = grund;
    gescheitert_ = true;
    zustand_ = Zustand::Getrennt;
    socket_->abort();
    puffer_.leeren();
    std::deque<Anfrage> offen;
    offen.swap(warteschlange_);
    for (Anfrage& a : offen) {
        a.fertig({ a.gesendet ? art : HamlibAntwort::Art::Getrennt, {}, 0 });
        art = HamlibAntwort::Art::Getrennt;
    }
    if (wiederverbinden_ && zustand_ == Zustand::Getrennt)
        wiederUhr_->start(wartezeit(versuch_++, zeiten_));
    emit stateChanged();
}

void HamlibClient::setZustand(Zustand z)
{
    if (zustand_ == z)
        return;
    zustand_ = z;
    emit stateChanged();
}

int HamlibClient::wartezeit(int versuch, const HamlibZeiten& zeiten)
{
    qint64 ms = zeiten.ersteWartezeitMs;
    for (int i = 0; i < versuch && ms < zeiten.längsteWartezeitMs; ++i)
        ms *= 2;
    return static_cast<int>(std::min<qint64>(ms, zeiten.längsteWartezeitMs));
}

} // namespace tarvex
