#pragma once
#include <QStringView>

namespace tarvex {

// The operator's wildcards, as typed in searches: "*" any run of characters,
// "?" exactly one character, "#" one digit. Case-insensitive. Every other
// character, "%" and "_" included, stands for itself.
bool likeMatches(QStringView pattern, QStringView text);

} // namespace tarvex
