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
    CallBuchstaben, // replace the letters after the digit of the core
    CallPräfix, // replace the part up to the digit of the core
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

struct CallParts;
// The pattern the table is asked with: a token with a slash longer than four
// characters by its core (splitting it into teile), any other as it stands.
QString musterDesTokens(const QString& token, CallParts& teile);

// A call sign as the input line takes one (upper case, as typed): what lists of
// known stations may hold, so that no "000" or "A/B" reaches the look-up.
bool istRufzeichen(const QString& call);

} // namespace tarvex
