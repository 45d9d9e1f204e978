#include "StationsEinstellungen.h"

#include "store/Settings.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

const QString kAbschnitt = u"Stationssteuerung"_s;

QString text(const Settings& s, const QString& schlüssel, const QString& vorgabe)
{
    const QString wert = s.lesen(kAbschnitt, schlüssel).trimmed();
    return wert.isEmpty() ? vorgabe : wert;
}

quint16 port(const Settings& s, const QString& schlüssel, quint16 vorgabe)
{
    bool ok = false;
    const int wert = s.lesen(kAbschnitt, schlüssel).trimmed().toInt(&ok);
    return ok && wert > 0 && wert <= 65535 ? static_cast<quint16>(wert) : vorgabe;
}

} // namespace

StationsEinstellungen StationsEinstellungen::laden(const Settings& s)
{
    StationsEinstellungen e;
    e.rotorEin = s.zahl(kAbschnitt, u"Rotor"_s) != 0;
    e.rotorHost = text(s, u"RotorHost"_s, e.rotorHost);
    e.rotorPort = port(s, u"RotorPort"_s, e.rotorPort);
    e.transceiverEin = s.zahl(kAbschnitt, u"Transceiver"_s) != 0;
    e.transceiverHost = text(s, u"TransceiverHost"_s, e.transceiverHost);
    e.transceiverPort = port(s, u"TransceiverPort"_s, e.transceiverPort);
    e.rapportNachMode = s.zahl(kAbschnitt, u"RapportNachMode"_s) != 0;
    return e;
}

void StationsEinstellungen::speichern(Settings& s) const
{
    s.zahlSchreiben(kAbschnitt, u"Rotor"_s, rotorEin ? 1 : 0);
    s.schreiben(kAbschnitt, u"RotorHost"_s, rotorHost);
    s.zahlSchreiben(kAbschnitt, u"RotorPort"_s, rotorPort);
    s.zahlSchreiben(kAbschnitt, u"Transceiver"_s, transceiverEin ? 1 : 0);
    s.schreiben(kAbschnitt, u"TransceiverHost"_s, transceiverHost);
    s.zahlSchreiben(kAbschnitt, u"TransceiverPort"_s, transceiverPort);
    s.zahlSchreiben(kAbschnitt, u"RapportNachMode"_s, rapportNachMode ? 1 : 0);
}

} // namespace tarvex
