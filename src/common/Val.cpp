#include "Val.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvex {

double Val(QStringView text)
{
    double result = 0.0;
    double scale = 0.0; // 0 while in the integer part, else the place value of the next fraction digit
    bool negative = false;
    bool signAllowed = true;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        if (signAllowed && (c == u'-' || c == u'+')) {
            negative = c == u'-';
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c.isDigit() && c.unicode() < 128) {
            const int digit = c.unicode() - u'0';
            if (scale == 0.0) {
                result = result * 10.0 + digit;
            } else {
                result += digit * scale;
                scale /= 10.0;
            }
        } else if (c == u'.' && scale == 0.0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -result : result;
}

int ValInt(QStringView text)
{
    // A hand-edited setting may hold any number; beyond int the conversion would be undefined.
    // Symmetric, so that negating a value read this way stays defined too.
    constexpr double grenze = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(Val(text)), -grenze, grenze));
}

int Stunde(QStringView zeit)
{
    const qsizetype colon = zeit.indexOf(u':');
    return ValInt(colon < 0 ? zeit : zeit.left(colon));
}

} // namespace tarvex
