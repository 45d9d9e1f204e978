#pragma once
#include <QString>

namespace tarvex {

// The font later text is printed in, as the caller names it.
struct Schrift {
    QString name = QStringLiteral("Courier New");
    float größe = 12; // points
    bool fett = false;
    bool kursiv = false;

    friend bool operator==(const Schrift&, const Schrift&) = default;
};

} // namespace tarvex
