#include "Locator.h"

#include "common/Val.h"

#include <algorithm>
#include <cmath>

namespace tarvex {
namespace {

constexpr double kPi = 3.141592654;
constexpr double kUmfang = 40009.0;

// Character n (1-based) of the upper-cased locator; a short locator counts as
// the south-west corner of what it names ("JO31" = "JO31AA").
int code(const QString& locator, int n, char16_t basis)
{
    const QString upper = locator.toUpper();
    return upper.size() >= n ? upper.at(n - 1).unicode() - basis : 0;
}

} // namespace

double Laenge(const QString& locator)
{
    return code(locator, 1, u'A') * 20 - 180 + code(locator, 3, u'0') * 2 + code(locator, 5, u'A') / 12.0;
}

double Breite(const QString& locator)
{
    return code(locator, 2, u'A') * 10 - 90 + code(locator, 4, u'0') + code(locator, 6, u'A') / 24.0;
}

Strecke Abstand(const QString& eigenerLocator, const QString& locator)
{
    const double l1 = Laenge(eigenerLocator) * kPi / 180, p1 = Breite(eigenerLocator) * kPi / 180;
    const double l2 = Laenge(locator) * kPi / 180, p2 = Breite(locator) * kPi / 180;
    const bool gleich = l1 == l2 && p1 == p2;

    const double c = std::clamp(
        std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(l2 - l1), -1.0, 1.0);
    const double a = gleich ? 0.0 : std::acos(c);

    Strecke s;
    s.km = std::max(1, static_cast<int>(std::floor(a * kUmfang / 2 / kPi + 0.5)));
    if (a == 0.0) {
        s.winkel = 0;
    } else {
        double x = (std::sin(p2) - std::sin(p1) * std::cos(a)) / (std::cos(p1) * std::sin(a));
        if (std::abs(x) > 1)
            x = x > 0 ? 1.0 : -1.0;
        const int beta = static_cast<int>(std::floor(std::acos(x) * 180 / kPi + 0.5));
        s.winkel = l2 >= l1 ? beta : 360 - beta;
    }
    return s;
}

bool locatorGültig(const QString& locator)
{
    const QString upper = locator.toUpper();
    const auto über = [&](qsizetype index, char16_t grenze) {
        return index >= 0 && index < upper.size() && upper.at(index).unicode() > grenze;
    };
    return !(über(0, u'R') || über(1, u'R') || über(4, u'X') || über(upper.size() - 1, u'X'));
}

int pfeilIndex(const QString& winkel)
{
    if (winkel.isEmpty())
        return -1;
    // Clamped before the conversion: a bearing text beyond int must not be undefined behaviour.
    return static_cast<int>(std::clamp(std::floor((Val(winkel) + 22) / 45), 0.0, 8.0));
}

QString pfeil(const QString& winkel)
{
    const int index = pfeilIndex(winkel);
    return index < 0 ? QString() : kPfeile[static_cast<std::size_t>(index)];
}

} // namespace tarvex
