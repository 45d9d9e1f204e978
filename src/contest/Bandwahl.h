#pragma once
#include <QList>
#include <QString>

namespace tarvex {

class ContestModel;
class Prompter;
class Settings;

// One button of the band choice form.
struct BandKnopf {
    QString name; // "cmd144MHz"
    QString caption; // "144 MHz"
    QString band; // band table name, "144MHz"
    bool aktiv = false;
    bool sichtbar = true;
};

// The band choice: which bands the current contest offers, and switching the
// logging window to one of them with the last station carried over on request.
class Bandwahl {
public:
    Bandwahl(ContestModel& model, Prompter& prompter);

    // The eleven buttons, 144 MHz to 76 GHz and 50 MHz last. A band is offered
    // when its key in the section Bänder holds a value; 50 MHz, an option few
    // contests have, is hidden otherwise.
    static QList<BandKnopf> knöpfe(const Settings& settings);
    // The band the form offers first: the transceiver's when it is one of the
    // contest's, else the current one.
    static QString vorschlag(
        const QList<BandKnopf>& knöpfe, const QString& transceiverBand, const QString& aktuell);

    // Switches to band b of the open contest, remembers it for the next start and
    // offers to carry the last saved station over. Returns false when the band
    // could not be made current (the operator has been told why).
    bool BandSetzen(const QString& b);

private:
    ContestModel& model_;
    Prompter& prompter_;
};

} // namespace tarvex
