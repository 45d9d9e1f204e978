#include "Speicher.h"

#include <malloc.h>

namespace tarvex {

void speicherZurückgeben()
{
    malloc_trim(0);
}

} // namespace tarvex
