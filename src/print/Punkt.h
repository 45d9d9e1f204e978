#pragma once

namespace tarvex {

// An end point of a line on the printer surface, in the surface's scale units.
// A relative first point counts from the current position, a relative second
// point from the first point.
struct Punkt {
    double x = 0;
    double y = 0;
    bool relativ = false;

    static constexpr Punkt abs(double x, double y) { return { x, y, false }; }
    static constexpr Punkt rel(double x, double y) { return { x, y, true }; }

    friend bool operator==(const Punkt&, const Punkt&) = default;
};

} // namespace tarvex
