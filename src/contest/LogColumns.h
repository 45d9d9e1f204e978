#pragma once
#include <array>

namespace tarvex {

// Widths of the log grid's columns in twips (1/1440 inch); 0 hides a column.
// Column 12 (Kommentar) is shown only while the comment column is switched on.
inline constexpr std::array<int, 14> kLogSpaltenTwips
    = { 900, 0, 900, 2200, 1200, 1100, 1300, 1000, 900, 0, 0, 0, 0, 0 };
inline constexpr int kKommentarSpalte = 12;
inline constexpr int kKommentarTwips = 1300;
inline constexpr int kTwipsProPixel = 15;

inline int logSpaltenbreite(int spalte, bool kommentarSichtbar)
{
    if (spalte == kKommentarSpalte)
        return kommentarSichtbar ? kKommentarTwips / kTwipsProPixel : 0;
    if (spalte < 0 || spalte >= static_cast<int>(kLogSpaltenTwips.size()))
        return 0;
    return kLogSpaltenTwips[static_cast<std::size_t>(spalte)] / kTwipsProPixel;
}

} // namespace tarvex
