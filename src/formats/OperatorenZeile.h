#pragma once
#include <QString>

namespace tarvex {

// An EDI MOpe line from what the operator typed: each operator's own call, without
// portable prefix or suffix, in capitals, once, separated by ";" ("dl1abc/p, OE/DK2XY"
// → "DL1ABC;DK2XY").
QString operatorenZeile(const QString& text);

} // namespace tarvex
