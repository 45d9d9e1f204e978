#include "Val.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace tarvex {

namespace {

template <typename Zeichen> double valAus(const Zeichen* anfang, const Zeichen* ende)
{
    double result = 0.0;
    double scale = 0.0; // 0 while in the integer part, else the place value of the next fraction digit
    bool negative = false;
    bool signAllowed = true;
    for (const Zeichen* p = anfang; p != ende; ++p) {
        const auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<Zeichen>>(*p));
        if (c == U' ' || c == U'\t')
            continue;
        if (signAllowed && (c == U'-' || c == U'+')) {
            negative = c == U'-';
            signAllowed = false;
            continue;
        }
        signAllowed = false;
        if (c >= U'0' && c <= U'9') {
            const int digit = static_cast<int>(c - U'0');
            if (scale == 0.0) {
                result = result * 10.0 + digit;
            } else {
                result += digit * scale;
                scale /= 10.0;
            }
        } else if (c == U'.' && scale == 0.0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -result : result;
}

} // namespace

double Val(QStringView text)
{
    return valAus(text.utf16(), text.utf16() + text.size());
}

double Val(QByteArrayView utf8)
{
    return valAus(utf8.data(), utf8.data() + utf8.size());
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
