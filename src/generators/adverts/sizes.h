#pragma once
// Sizes that the advert windows derive from a typed size: a whole number moved by a fixed number of
// pixels, written as text.

#include "framework/text.h"

#include <cstdint>
#include <limits>
#include <string>

namespace ornavo::adverts {

// value + delta as plain decimal; a value at the end of the range (a very long run of digits) stays
// there instead of wrapping round.
inline std::string shifted(std::int64_t value, std::int64_t delta) {
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
    if (delta > 0 && value > most - delta)
        return integerToText(most);
    if (delta < 0 && value < least - delta)
        return integerToText(least);
    return integerToText(value + delta);
}

} // namespace ornavo::adverts
