#pragma once
#include <QString>

namespace tarvex {

// What a token of the input line is, decided by its character pattern.
enum class Klasse {
    Unbekannt,
    Speichern,
    QslUmschalten,
    RstGegeben,
    RstErhalten,
    SuffixUmschalten,
    PräfixUmschalten,
    CallBuchstaben,   // replace the letters after the digit of the core
    CallPräfix,       // replace the part up to the digit of the core
    Call,
    LocatorEnde3,
    LocatorEnde4,
    Locator,
    ZeitHHMM,
    ZeitHH_MM,
    Datum,
};

// Classifies a token by its pattern (Zeichen of the token, or of its core when a
// call was split) and the conditions of the table, which always read the whole
// token as typed ("OE/PA57XY" does not begin with PA5). locatorLänge is the
// length of the locator field, which the locator tails need to be complete.
Klasse klassifiziere(const QString& token, const QString& muster, qsizetype locatorLänge);

} // namespace tarvex
