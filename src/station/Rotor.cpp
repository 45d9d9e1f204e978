#include "Rotor.h"

#include <QTimer>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

int ganzeGrad(double grad)
{
    const int g = static_cast<int>(std::lround(grad)) % 360;
    return g < 0 ? g + 360 : g;
}

} // namespace

Rotor::Rotor(HamlibZeiten zeiten, int abfrageMs, QObject* parent)
    : QObject(parent)
    , client_(zeiten)
    , uhr_(new QTimer(this))
{
    uhr_->setInterval(abfrageMs);
    connect(uhr_, &QTimer::timeout, this, &Rotor::abfragen);
    connect(&client_, &HamlibClient::stateChanged, this, [this] {
        if (client_.zustand() == HamlibClient::Zustand::Verbunden) {
            abfragen();
        } else {
            // A position from a broken connection is no position.
            azimut_.reset();
        }
        emit changed();
    });
}

void Rotor::einschalten(const QString& host, quint16 port)
{
    ein_ = true;
    fehler_.reset();
    azimut_.reset();
    ziel_.reset();
    client_.verbinden(host, port);
    uhr_->start();
    emit changed();
}

void Rotor::ausschalten()
{
    ein_ = false;
    uhr_->stop();
    client_.trennen();
    azimut_.reset();
    ziel_.reset();
    fehler_.reset();
    emit changed();
}

bool Rotor::erreichbar() const
{
    return client_.zustand() == HamlibClient::Zustand::Verbunden && azimut_.has_value();
}

void Rotor::abfragen()
{
    if (!client_.frei())
        return;
    client_.senden("p", 2, [this](const HamlibAntwort& a) {
        if (a.art == HamlibAntwort::Art::Fehler) {
            fehler_ = a.code;
        } else if (a.art == HamlibAntwort::Art::Werte && !a.werte.isEmpty()) {
            bool ok = false;
            const double az = a.werte.first().trimmed().toDouble(&ok);
            if (ok) {
                azimut_ = az;
                fehler_.reset();
                if (ziel_ && std::abs(az - *ziel_) < 1.0)
                    ziel_.reset();
            }
        }
        emit changed();
    });
}

bool Rotor::drehen(double grad)
{
    if (client_.zustand() != HamlibClient::Zustand::Verbunden)
        return false;
    ziel_ = grad;
    client_.senden(
        "P " + QByteArray::number(grad, 'f', 1) + " 0", 0, [this](const HamlibAntwort& a) { quittung(a); });
    emit changed();
    return true;
}

bool Rotor::anhalten()
{
    if (client_.zustand() != HamlibClient::Zustand::Verbunden)
        return false;
    ziel_.reset();
    client_.senden("S", 0, [this](const HamlibAntwort& a) { quittung(a); });
    emit changed();
    return true;
}

void Rotor::quittung(const HamlibAntwort& a)
{
    if (a.art == HamlibAntwort::Art::Fehler) {
        fehler_ = a.code;
        ziel_.reset();
    }
    emit changed();
}

Rotorlage Rotor::lage() const
{
    return { ein_, client_.zustand(), client_.gescheitert(), fehler_, azimut_, ziel_ };
}

QString Rotor::statusText(const Rotorlage& l)
{
    using Z = HamlibClient::Zustand;
    if (!l.ein)
        return {};
    if (l.zustand == Z::Verbunden && l.fehler)
        return u"Rotor meldet Fehler %1"_s.arg(*l.fehler);
    if (l.zustand == Z::Verbunden && l.azimut) {
        if (l.ziel)
            return u"Rotor %1° → %2°"_s.arg(ganzeGrad(*l.azimut)).arg(ganzeGrad(*l.ziel));
        return u"Rotor %1°"_s.arg(ganzeGrad(*l.azimut));
    }
    if (!l.gescheitert && (l.zustand == Z::Verbindet || l.zustand == Z::Verbunden))
        return u"Rotor wird verbunden …"_s;
    return u"Rotor nicht erreichbar"_s;
}

double Rotor::langerWeg(double grad)
{
    const double g = std::fmod(grad + 180.0, 360.0);
    return g < 0 ? g + 360.0 : g;
}

std::optional<int> Rotor::winkel(const QString& text)
{
    bool ok = false;
    const int g = text.trimmed().toInt(&ok);
    if (!ok || g < 0 || g > 360)
        return std::nullopt;
    return g % 360;
}

} // namespace tarvex
