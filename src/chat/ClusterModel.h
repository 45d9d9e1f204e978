#pragma once
#include "ChatModel.h"
#include "Gearbeitet.h"
#include "SpotTabelle.h"
#include "TelnetVerbindung.h"
#include "Verlauf.h"

#include <QObject>
#include <optional>

namespace tarvex {

class OffenerContest;

// The DX cluster window's state: the session signed on with the call, the
// spots of the current band with distance and worked mark, and what else the
// cluster says.
class ClusterModel : public QObject {
    Q_OBJECT
public:
    ClusterModel(OffenerContest& contest, TelnetZeiten zeiten = {}, QObject* parent = nullptr);

    // Connects with the settings of section Chat; false when no cluster is set.
    bool verbinden();
    void trennen();
    QString status() const;
    TelnetVerbindung& verbindung() { return verbindung_; }
    QString rufzeichen() const;

    SpotTabelle& spots() { return spots_; }
    Verlauf& verlauf() { return verlauf_; }
    bool senden(const QString& zeile) { return verbindung_.senden(zeile.trimmed()); }
    std::optional<Uebernahme> übernahme(int zeile) const;

signals:
    void statusChanged();

private:
    void zeile(const QString& text);
    void bewerten(ClusterSpot& s);
    void anzeigen();

    OffenerContest& contest_;
    TelnetVerbindung verbindung_;
    SpotTabelle spots_;
    Verlauf verlauf_;
    Gearbeitet gearbeitet_;
    QString eigenerLocator_;
    QString band_;
    bool ohneServer_ = false;
};

} // namespace tarvex
