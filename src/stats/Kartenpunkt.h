#pragma once
#include "store/Summen.h"

#include <QPoint>
#include <QStringView>
#include <optional>

namespace tarvex {

// The graphic map's point of a six-character locator in twips from the top-left
// corner of the 640 x 480 picture (15 twips per pixel): the south-west corner of
// its sub-square, 481 twips per large square across and 240 down, rounded half
// to even. Nothing for a locator that is not six capitals and digits in the
// Maidenhead pattern, or whose point does not fit into 16 bits.
std::optional<QPoint> kartenpunkt(QStringView locator);
// The same for a contact's place as the running score keeps it.
std::optional<QPoint> kartenpunkt(const Kontaktort& ort);

} // namespace tarvex
