#pragma once
#include <QString>
#include <QStringView>

namespace tarvex {

// What a call or a locator looks like in free text from a chat or a cluster,
// where anything else may stand beside them.

// Letters, digits and "/", 3 to 15 characters, at least one letter and one
// digit ("DL1ABC", "OE/DL1ABC/P", "9A2AA"). Upper case only: servers send calls so.
bool istRufzeichen(QStringView text);

// A full six-character locator "JO31AB" (any letter case): field A–R, square
// digits, subsquare A–X.
bool istLocator6(QStringView text);

// The station's locator in a spot comment or a message, upper case, or "".
// "JO62QM<TR>JO31AB" is the spotter's locator, the propagation and the spotted
// station's locator: the one after the second bracket is the station's.
QString locatorIn(QStringView text);

} // namespace tarvex
