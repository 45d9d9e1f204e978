#pragma once
#include "EntryFields.h"

#include <QObject>

namespace tarvex {

class EntryActions;
class KeystrokeLog;
class Prompter;

// The input line and the fields it fills: key filter, splitting, classification
// (Auswert) and each token's effect, the locator check with distance and bearing,
// and the reset (Löschen). Look-up, search and save are the EntryActions' part.
class EntryModel : public QObject {
    Q_OBJECT
public:
    EntryModel(EntryActions& actions, Prompter& prompter, KeystrokeLog& log, QObject* parent = nullptr);

    const EntryFields& felder() const { return f_; }
    EntryFields& felder() { return f_; }

    // Key press in the input line: the filtered character is appended; false when dropped.
    bool tippe(QChar zeichen);
    void setzeEingabe(const QString& zeile);
    // Enter: evaluates the whole line, then asks the duplicate question if needed.
    void enter();
    // F12: in log-key mode the only key that saves (it generates an Enter).
    void f12();
    // Any key but Enter and F12 ends the F12 save window.
    void andereTaste();
    // Esc: drops the contact in progress and shows the whole log again.
    void escape();

    void Auswert(const QString& token);
    void Löschen();

    // Change handlers of the locator and bearing fields.
    void setLocator(const QString& locator);
    void setWinkel(const QString& winkel);

    // Report preset text for a report mode: "59", "599" or "".

signals:
    void changed();

private:
    void anwenden(int klasse, const QString& token);
    void setCall(const QString& call);
    void callNeuZusammensetzen();
    void bereitschaftPrüfen();
    void protokolliere(const QString& token);

    EntryActions& actions_;
    Prompter& prompter_;
    KeystrokeLog& log_;
    EntryFields f_;
    bool logFehlerGemeldet_ = false;
};

} // namespace tarvex
