#pragma once
#include <QString>

namespace tarvex {

// What the input line asks of the rest of the logging window: the look-up, the
// search in the log list, the save, the duplicate question and showing the whole
// log again. The logging window implements it; tests record the calls.
class EntryActions {
public:
    virtual ~EntryActions() = default;
    virtual void prüfen() = 0;
    virtual void suchen(const QString& muster) = 0;
    virtual void speichern() = 0;
    virtual void doppelFrage() = 0;
    virtual void alleAnzeigen() = 0;
};

} // namespace tarvex
