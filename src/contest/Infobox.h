#pragma once
#include "common/Prompter.h"

namespace tarvex {

class OffenerContest;

// The information box of the Help menu (title "Tarvex"): program, contest,
// band, own station and the band's contacts.
Meldung infoBox(const OffenerContest& contest);

} // namespace tarvex
