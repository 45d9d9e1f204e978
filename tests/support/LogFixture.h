#pragma once
#include "ContestFixture.h"
#include "logout/LogModel.h"
#include "support/RecordingPrinterSurface.h"

namespace tarvex::test {

// The contest of ContestFixture with the log window's model, the cover-sheet
// fields of the golden files and n contacts on 144 MHz built by a fixed rule:
// five calls (one 15 characters long), sent reports 59/599/59A/59S, received
// reports of five and six characters, rows 7 and 50 invalid, 1234 km in row 21,
// comments in some rows.
class LogFixture : public ContestFixture {
protected:
    LogFixture();

    static QsoRecord kontakt(int index);
    void kontakte(int anzahl, const QString& band = QStringLiteral("144MHz"));
    void deckblattFüllen();

    LogModel log { model, prompter, clock };
    RecordingPrinterSurface drucker;
};

// The lines of a golden file (UTF-8), such as a printer surface's protocol.
QStringList goldeneZeilen(const QString& name);

} // namespace tarvex::test
