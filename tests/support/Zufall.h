#pragma once
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace tarvex::test {

// The seed of a random test: TARVEX_TEST_SEED when set, so that a failing run can be
// repeated; otherwise a fresh one. Printed either way, so a CI log names it.
inline unsigned zufallsSeed(const char* test)
{
    unsigned seed = 0;
    if (const char* s = std::getenv("TARVEX_TEST_SEED"); s && *s)
        seed = static_cast<unsigned>(std::stoul(s));
    else
        seed = std::random_device {}();
    std::cout << "[ seed     ] " << test << ": TARVEX_TEST_SEED=" << seed << std::endl;
    return seed;
}

} // namespace tarvex::test
