#pragma once
#include <QByteArrayView>
#include <QStringView>

namespace tarvex {

// The VAL rule: the leading decimal number of a text ("." as decimal point,
// blanks anywhere ignored), 0 when the text does not begin with one.
double Val(QStringView text);
// The same on UTF-8 bytes, as the database hands them over: every character the rule
// reads is ASCII, and any other byte ends the number as the character would.
double Val(QByteArrayView utf8);

// Numeric settings and options: VAL truncated to an integer, held within
// ±2147483647 (so a negated value is an int as well).
int ValInt(QStringView text);
// The hour of a stored Zeit ("14:05" → 14): ValInt of what stands before the colon.
int Stunde(QStringView zeit);

} // namespace tarvex
