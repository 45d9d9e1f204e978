#include "ClusterModel.h"

#include "ChatEinstellungen.h"
#include "Textmuster.h"
#include "contest/OffenerContest.h"
#include "entry/Locator.h"

namespace tarvex {

using namespace Qt::StringLiterals;

ClusterModel::ClusterModel(OffenerContest& contest, TelnetZeiten zeiten, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , verbindung_(zeiten)
    , gearbeitet_(contest)
{
    connect(&verbindung_, &TelnetVerbindung::lineReceived, this, &ClusterModel::zeile);
    connect(&verbindung_, &TelnetVerbindung::stateChanged, this, &ClusterModel::statusChanged);
    connect(&contest_, &OffenerContest::changed, this, [this] {
        if (gearbeitet_.veraltet() || eigenerLocator_ != contest_.felder().lblLocator.toUpper()
            || band_ != contest_.Band())
            anzeigen();
    });
    anzeigen();
}

QString ClusterModel::rufzeichen() const
{
    const ChatEinstellungen e = ChatEinstellungen::laden(contest_.settings());
    return e.clusterCall.isEmpty() ? contest_.lblCall().toUpper() : e.clusterCall;
}

bool ClusterModel::verbinden()
{
    const ChatEinstellungen e = ChatEinstellungen::laden(contest_.settings());
    ohneServer_ = e.clusterServer.isEmpty();
    if (ohneServer_) {
        verbindung_.trennen();
        emit statusChanged();
        return false;
    }
    verbindung_.verbinden(e.clusterServer, e.clusterPort, { rufzeichen(), QString(), QString() });
    return true;
}

void ClusterModel::trennen()
{
    verbindung_.trennen();
}

QString ClusterModel::status() const
{
    if (ohneServer_ && verbindung_.zustand() == TelnetVerbindung::Zustand::Aus)
        return u"Kein DX-Cluster eingestellt (Spezial – Chat und Cluster einstellen …)"_s;
    return verbindung_.status();
}

std::optional<Uebernahme> ClusterModel::übernahme(int zeile) const
{
    if (zeile < 0 || zeile >= spots_.rowCount())
        return std::nullopt;
    const Spot& s = spots_.gezeigt(zeile).spot;
    return Uebernahme { s.dxCall, s.locator };
}

void ClusterModel::zeile(const QString& text)
{
    if (const std::optional<Spot> s = spotLesen(text)) {
        spots_.anhängen(*s, [this](ClusterSpot& c) { bewerten(c); });
        return;
    }
    if (!text.trimmed().isEmpty())
        verlauf_.anhängen(text);
}

void ClusterModel::bewerten(ClusterSpot& c)
{
    c.km = -1;
    c.winkel = 0;
    if (istLocator6(c.spot.locator) && eigenerLocator_.size() == 6 && locatorGültig(eigenerLocator_)) {
        const Strecke s = Abstand(eigenerLocator_, c.spot.locator);
        c.km = s.km;
        c.winkel = s.winkel;
    }
    c.gearbeitet = gearbeitet_.gearbeitet(c.spot.dxCall);
}

void ClusterModel::anzeigen()
{
    eigenerLocator_ = contest_.felder().lblLocator.toUpper();
    band_ = contest_.hatContest() ? contest_.Band() : QString();
    spots_.zeigen(band_, [this](ClusterSpot& c) { bewerten(c); });
}

} // namespace tarvex
