#include "Kartenpunkt.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tarvex {
namespace {

bool zwischen(QChar c, char16_t von, char16_t bis)
{
    return c.unicode() >= von && c.unicode() <= bis;
}

// a / b rounded to the nearest integer, halves to even (b > 0).
qint64 geradeGerundet(qint64 a, qint64 b)
{
    qint64 q = a / b;
    qint64 r = a % b;
    if (r < 0) {
        r += b;
        --q;
    }
    if (2 * r > b || (2 * r == b && q % 2 != 0))
        ++q;
    return q;
}

bool passtIn16Bit(qint64 v)
{
    return v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max();
}

} // namespace

std::optional<QPoint> kartenpunkt(QStringView locator)
{
    if (locator.size() != 6 || !zwischen(locator[0], u'A', u'R') || !zwischen(locator[1], u'A', u'R')
        || !zwischen(locator[2], u'0', u'9') || !zwischen(locator[3], u'0', u'9')
        || !zwischen(locator[4], u'A', u'X') || !zwischen(locator[5], u'A', u'X'))
        return std::nullopt;
    const auto code = [&](int i) { return static_cast<qint64>(locator[i].unicode()); };
    // u and v in 24ths of a large square, so the arithmetic stays exact.
    const qint64 u24 = ((code(0) - u'I') * 10 - 5 + (code(2) - u'0')) * 24 + (code(4) - u'A');
    const qint64 v24 = ((code(1) - u'M') * 10 - 5 + (code(3) - u'0')) * 24 + (code(5) - u'A');
    const qint64 x = geradeGerundet(u24 * 481, 24);
    const qint64 y = 7200 - geradeGerundet(v24 * 240, 24);
    if (!passtIn16Bit(x) || !passtIn16Bit(y))
        return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

std::optional<QPoint> kartenpunkt(const Kontaktort& ort)
{
    std::array<char16_t, 6> text {};
    std::copy(ort.locator.begin(), ort.locator.end(), text.begin());
    return kartenpunkt(QStringView(text.data(), text.size()));
}

} // namespace tarvex
