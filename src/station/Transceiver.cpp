#include "Transceiver.h"

#include "Frequenzband.h"

#include <QTimer>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

Transceiver::Transceiver(HamlibZeiten zeiten, int abfrageMs, QObject* parent)
    : QObject(parent)
    , client_(zeiten)
    , uhr_(new QTimer(this))
{
    uhr_->setInterval(abfrageMs);
    connect(uhr_, &QTimer::timeout, this, &Transceiver::abfragen);
    connect(&client_, &HamlibClient::stateChanged, this, [this] {
        if (client_.zustand() == HamlibClient::Zustand::Verbunden) {
            abfragen();
        } else {
            frequenz_.reset();
            mode_.clear();
        }
        emit changed();
    });
}

void Transceiver::einschalten(const QString& host, quint16 port)
{
    ein_ = true;
    fehler_.reset();
    frequenz_.reset();
    mode_.clear();
    client_.verbinden(host, port);
    uhr_->start();
    emit changed();
}

void Transceiver::ausschalten()
{
    ein_ = false;
    uhr_->stop();
    client_.trennen();
    frequenz_.reset();
    mode_.clear();
    fehler_.reset();
    emit changed();
}

std::optional<qint64> Transceiver::frequenz() const
{
    if (client_.zustand() != HamlibClient::Zustand::Verbunden || fehler_)
        return std::nullopt;
    return frequenz_;
}

QString Transceiver::mode() const
{
    return client_.zustand() == HamlibClient::Zustand::Verbunden ? mode_ : QString();
}

void Transceiver::abfragen()
{
    if (!client_.frei())
        return;
    client_.senden("f", 1, [this](const HamlibAntwort& a) {
        if (a.art == HamlibAntwort::Art::Fehler) {
            fehler_ = a.code;
        } else if (a.art == HamlibAntwort::Art::Werte && !a.werte.isEmpty()) {
            bool ok = false;
            const double hz = a.werte.first().trimmed().toDouble(&ok);
            if (ok && hz > 0) {
                frequenz_ = std::llround(hz);
                fehler_.reset();
            }
        }
        emit changed();
    });
    client_.senden("m", 2, [this](const HamlibAntwort& a) {
        if (a.art == HamlibAntwort::Art::Fehler)
            fehler_ = a.code;
        else if (a.art == HamlibAntwort::Art::Werte && !a.werte.isEmpty())
            mode_ = a.werte.first().trimmed();
        emit changed();
    });
}

Transceiverlage Transceiver::lage() const
{
    return { ein_, client_.zustand(), client_.gescheitert(), fehler_, frequenz_, mode_ };
}

QString Transceiver::statusText(const Transceiverlage& l)
{
    using Z = HamlibClient::Zustand;
    if (!l.ein)
        return {};
    if (l.zustand == Z::Verbunden && l.fehler)
        return u"Transceiver meldet Fehler %1"_s.arg(*l.fehler);
    if (l.zustand == Z::Verbunden && l.frequenz) {
        const QString f = frequenzText(*l.frequenz);
        return l.mode.isEmpty() ? f : f + u' ' + l.mode;
    }
    if (!l.gescheitert && (l.zustand == Z::Verbindet || l.zustand == Z::Verbunden))
        return u"Transceiver wird verbunden …"_s;
    return u"Transceiver nicht erreichbar"_s;
}

std::optional<RstVorgabe> Transceiver::rstFürMode(const QString& mode)
{
    static const QStringList telegrafie = { u"CW"_s, u"CWR"_s };
    static const QStringList sprache = { u"USB"_s, u"LSB"_s, u"AM"_s, u"FM"_s, u"WFM"_s, u"FMN"_s, u"AMN"_s,
        u"AMS"_s, u"SAM"_s, u"SAL"_s, u"SAH"_s, u"DSB"_s, u"ECSSUSB"_s, u"ECSSLSB"_s };
    const QString m = mode.trimmed().toUpper();
    if (telegrafie.contains(m))
        return RstVorgabe::R599;
    if (sprache.contains(m))
        return RstVorgabe::R59;
    return std::nullopt;
}

} // namespace tarvex
