#pragma once
#include <QString>

namespace tarvex {

// The printer printouts go to: the one the operator chose for this run under
// "Drucker wählen …", else the system's default one. One object per program,
// handed to every printer surface, so the choice is state that can be set up
// and replaced, not a global. The printing system behind it is a device: the
// program asks CUPS, tests give their own answers.
class Druckerwahl {
public:
    enum class Zustand { Bereit, Angehalten, NimmtNichtsAn, Fehlt };

    virtual ~Druckerwahl() = default;

    // Empty: the default printer.
    const QString& gewählt() const { return gewählt_; }
    void setGewählt(const QString& name) { gewählt_ = name; }
    // The chosen printer (even when it has gone), else the default one; empty when there is none.
    QString ziel() const { return gewählt_.isEmpty() ? standardDrucker() : gewählt_; }

    virtual QString standardDrucker() const = 0;
    // Whether the printer's queue takes a job now.
    virtual Zustand zustand(const QString& drucker) const = 0;

private:
    QString gewählt_;
};

} // namespace tarvex
