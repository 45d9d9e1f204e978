#pragma once
#include "ContestFixture.h"
#include "logout/LogModel.h"
#include "logout/RecordingPrinterSurface.h"

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
    static QByteArray golden(const QString& name);

    LogModel log{model, prompter, clock};
    RecordingPrinterSurface drucker;
};

// The printed lines of one document, rebuilt as text: every text of the given
// font size is put at the character column its x position gives, lines are
// told apart by their y position. Lines without text are left out.
QStringList gedruckteZeilen(const RecordingPrinterSurface& drucker, int dokument, float größe = 12);
// The lines that hold more than blanks, blanks at the end removed.
QStringList ohneLeerzeilen(const QStringList& zeilen);

} // namespace tarvex::test
