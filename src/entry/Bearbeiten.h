#pragma once
#include "store/QsoRecord.h"

#include <QChar>
#include <functional>
#include <optional>

namespace tarvex {

// The edit panel's rules for changing a stored contact.
namespace Bearbeiten {

enum class Feld { Call, Locator, RstGeg, RstErh, Uhrzeit, Sonstiges };

// The typed character as the field takes it (upper case where letters are
// allowed), or nothing when the field refuses it.
std::optional<QChar> zeichen(Feld feld, QChar getippt);
// A whole text (typed or pasted) as the field takes it, character by character.
QString filtern(Feld feld, const QString& text);

// OK: nullopt when the locator does not have six characters ("Fehlerhafter Locator").
// Otherwise the contact with points and bearing recomputed from the own locator,
// the country looked up afresh (" " when unknown), square, core call and a blank
// for an empty comment.
std::optional<QsoRecord> abschließen(
    QsoRecord qso, const QString& eigenerLocator, const std::function<QString(const QString& call)>& land);

} // namespace Bearbeiten
} // namespace tarvex
