#pragma once

#include <cstdlib>

// A property of the fuzz target that must hold: aborting makes libFuzzer keep the input.
inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}
