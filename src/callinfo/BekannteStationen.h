#pragma once
#include "Sammelimport.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

struct Meldung;
class ContestDat;
class OffenerContest;
class Prompter;

// Fills STATIONS of CONTEST.DAT, so that the look-up can offer known locators:
// from the valid contacts of the open contest, or from files (EDI, ADIF, EXP,
// plain "CALL LOCATOR" lists). Reports what was added in one message.
class BekannteStationen {
public:
    BekannteStationen(OffenerContest& contest, ContestDat& contestDat, Prompter& prompter);

    // "Bekannte Stationen übernehmen": every valid contact of the open contest, all bands.
    void ausContestÜbernehmen();
    // "Bekannte Stationen aus Dateien hinzufügen": into STATIONS; a damaged file is named
    // and left out whole.
    void dateienImportieren(const QStringList& pfade);
    // Asks for the files first (several at once), then imports them.
    void importieren();

    // The report of a bulk import of published logs, as one message.
    static Meldung sammelBericht(const Sammelimport::Bericht& bericht, const QString& ordner);
    // The two thresholds, asked one after the other with the defaults preset;
    // nothing when the operator cancels or types no whole number from 1 to 99.
    static std::optional<Sammelimport::Schwellen> schwellenFragen(Prompter& prompter);

private:
    OffenerContest& contest_;
    ContestDat& contestDat_;
    Prompter& prompter_;
};

} // namespace tarvex
