#pragma once

namespace tarvex {

// Hands the heap's free pages back to the system. A window that read a large
// band leaves many small blocks freed at once, which the allocator keeps
// otherwise; called when the operator is back in the logging window.
void speicherZurückgeben();

} // namespace tarvex
