#include "ChatEinstellungen.h"

#include "KstZeile.h"
#include "store/Settings.h"

#include <QFile>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

const QString kAbschnitt = u"Chat"_s;
constexpr quint16 kClusterPort = 7300;

quint16 port(const Settings& s, const QString& schlüssel, quint16 vorgabe)
{
    bool ok = false;
    const int p = s.lesen(kAbschnitt, schlüssel).trimmed().toInt(&ok);
    return ok && p > 0 && p <= 65535 ? static_cast<quint16>(p) : vorgabe;
}

} // namespace

ChatEinstellungen ChatEinstellungen::laden(const Settings& s)
{
    ChatEinstellungen e;
    e.chatServer = s.lesen(kAbschnitt, u"Server"_s).trimmed();
    if (e.chatServer.isEmpty())
        e.chatServer = kst::kServer;
    e.chatPort = port(s, u"Port"_s, kst::kPort);
    bool ok = false;
    e.raum = s.lesen(kAbschnitt, u"Raum"_s).trimmed().toInt(&ok);
    if (!ok || e.raum < 1 || e.raum > 99)
        e.raum = kst::kRaum;
    e.chatCall = s.lesen(kAbschnitt, u"Rufzeichen"_s).trimmed().toUpper();
    e.passwort = s.lesen(kAbschnitt, u"Passwort"_s);
    e.clusterServer = s.lesen(kAbschnitt, u"ClusterServer"_s).trimmed();
    e.clusterPort = port(s, u"ClusterPort"_s, kClusterPort);
    e.clusterCall = s.lesen(kAbschnitt, u"ClusterRufzeichen"_s).trimmed().toUpper();
    return e;
}

void ChatEinstellungen::speichern(Settings& s) const
{
    s.schreiben(kAbschnitt, u"Server"_s, chatServer.trimmed());
    s.zahlSchreiben(kAbschnitt, u"Port"_s, chatPort);
    s.zahlSchreiben(kAbschnitt, u"Raum"_s, raum);
    s.schreiben(kAbschnitt, u"Rufzeichen"_s, chatCall.trimmed().toUpper());
    s.schreiben(kAbschnitt, u"Passwort"_s, passwort);
    s.schreiben(kAbschnitt, u"ClusterServer"_s, clusterServer.trimmed());
    s.zahlSchreiben(kAbschnitt, u"ClusterPort"_s, clusterPort);
    s.schreiben(kAbschnitt, u"ClusterRufzeichen"_s, clusterCall.trimmed().toUpper());
    // The password stands in the file as it is: only the operator may read it.
    s.sync();
    QFile::setPermissions(s.dateiname(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace tarvex
