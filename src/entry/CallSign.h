#pragma once
#include <QString>

namespace tarvex {

// The call being entered, split as the input line assembles it: prefix part with
// its slash ("OE/"), core ("DL1ABC"), suffix part with its slash ("/P").
struct CallParts {
    QString präfix;
    QString kern;
    QString suffix;

    QString zusammen() const { return präfix + kern + suffix; }
};

// Splits a call into parts and returns the core. A part that the call does not
// split off keeps its previous value in parts (the call token clears them itself).
QString KernCall(const QString& call, CallParts& parts);

// The core call stored with every contact: no portable prefix, no letter suffix
// (DL1ABC/P → DL1ABC, OE5/DL1ABC/MM → DL1ABC, DL1ABC/3 stays).
QString Kern2(const QString& call);

// The portable prefix part that Kern2 drops, with its slash ("OE/"), or "".
QString präfixTeil(const QString& call);

} // namespace tarvex
