#pragma once
#include "Bandwahl.h"

#include <QDialog>

namespace tarvex {

class ContestModel;
class Prompter;

// "Band auswählen": one button per band, only the contest's bands enabled. The
// arrow keys move between the enabled buttons, Enter or Space chooses, Esc
// leaves without a change.
class BandwahlDialog : public QDialog {
    Q_OBJECT
public:
    BandwahlDialog(const QList<BandKnopf>& knöpfe, const QString& aktuellesBand, QWidget* parent = nullptr);

    // The band table name of the button pressed; empty while none was.
    const QString& gewählt() const { return gewählt_; }

    // Shows the form modally and switches the model to the band chosen.
    // Returns true when the band was switched. The focus starts on the
    // transceiver's band when the contest has it, else on the current band.
    static bool ausführen(
        QWidget* parent, ContestModel& model, Prompter& prompter, const QString& transceiverBand = {});

private:
    QString gewählt_;
};

} // namespace tarvex
