#pragma once
#include <QString>

namespace tarvex {

// Character pattern of a token: each digit becomes "#", each capital "A".."Z"
// becomes "Z", everything else (lower case included) stays as it is.
QString Zeichen(QStringView text);

} // namespace tarvex
