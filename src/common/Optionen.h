#pragma once

namespace tarvex {

// The operator's choices in the logging window's Optionen menu, stored in the
// settings under their old numbers.

// Report preset of a new contact ("RST").
enum class RstVorgabe { R59 = 0, R599 = 1, Keine = 2 };

// The key that saves a contact ("loggen"): Enter on the empty line, or only F12.
enum class Speichertaste { Enter = 0, F12 = 1 };

} // namespace tarvex
