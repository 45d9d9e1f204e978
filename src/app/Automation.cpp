#include "Automation.h"

#include "contest/ContestModel.h"
#include "station/Stationssteuerung.h"

#include <QDBusMessage>
#include <QMetaProperty>
#include <QVariantMap>

namespace tarvex {

using namespace Qt::StringLiterals;

QString Automation::busName()
{
    return u"de.tarvex.Tarvex"_s;
}
QString Automation::objektPfad()
{
    return u"/de/tarvex/Tarvex"_s;
}
QString Automation::schnittstelle()
{
    return u"de.tarvex.Tarvex"_s;
}

Automation::Automation(ContestModel& model, const QDBusConnection& bus, const Stationssteuerung* station)
    : QObject(&model)
    , model_(model)
    , bus_(bus)
    , station_(station)
    , gemeldet_(werte())
{
    connect(&model_, &ContestModel::changed, this, &Automation::modelGeaendert);
    if (station != nullptr)
        connect(station, &Stationssteuerung::changed, this, &Automation::modelGeaendert);
}

QString Automation::EigenesRufzeichen() const
{
    return model_.lblCall();
}
QString Automation::EigenerLocator() const
{
    return model_.felder().lblLocator;
}
QString Automation::Locator() const
{
    return model_.felder().txtLocator;
}
QString Automation::Winkel() const
{
    return model_.felder().txtWinkel;
}
QString Automation::Rufzeichen() const
{
    return model_.felder().txtCall;
}
QString Automation::Band() const
{
    return model_.lblBand();
}
QString Automation::Rapport() const
{
    return model_.felder().txtRSTgeg;
}
QString Automation::LaufendeNummer() const
{
    return model_.felder().txtNummer;
}

QString Automation::Rotor() const
{
    return station_ ? station_->rotorWinkel() : QString();
}

QStringList Automation::werte() const
{
    return { EigenesRufzeichen(), EigenerLocator(), Locator(), Winkel(), Rufzeichen(), Band(), Rapport(),
        LaufendeNummer(), Rotor() };
}

void Automation::modelGeaendert()
{
    const QStringList jetzt = werte();
    QVariantMap geändert;
    const QMetaObject* meta = metaObject();
    for (int i = 0; i < jetzt.size(); ++i) {
        if (jetzt.at(i) == gemeldet_.at(i))
            continue;
        const QMetaProperty p = meta->property(meta->propertyOffset() + i);
        geändert.insert(QString::fromLatin1(p.name()), jetzt.at(i));
    }
    gemeldet_ = jetzt;
    if (geändert.isEmpty() || !bus_.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        objektPfad(), u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s);
    signal << schnittstelle() << geändert << QStringList();
    bus_.send(signal);
}

bool automationAnmelden(ContestModel& model, const Stationssteuerung* station)
{
    return automationAnmelden(model, QDBusConnection::sessionBus(), station);
}

bool automationAnmelden(ContestModel& model, QDBusConnection bus, const Stationssteuerung* station)
{
    if (!bus.isConnected())
        return false;
    auto* automation = new Automation(model, bus, station);
    if (!bus.registerObject(Automation::objektPfad(), automation, QDBusConnection::ExportAllProperties)) {
        delete automation;
        return false;
    }
    if (!bus.registerService(Automation::busName())) {
        bus.unregisterObject(Automation::objektPfad());
        delete automation;
        return false;
    }
    return true;
}

} // namespace tarvex
