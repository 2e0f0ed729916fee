#pragma once
// Sizes that the advert windows derive from typed sizes: whole numbers added, written as text.

#include "framework/module_description.h"
#include "framework/text.h"

#include <cstdint>
#include <limits>
#include <string>

namespace ornavo::adverts {

// a + b; a sum beyond the range (a very long run of digits typed) stays at its end instead of wrapping
// round.
inline std::int64_t plus(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
    if (b > 0 && a > most - b)
        return most;
    if (b < 0 && a < least - b)
        return least;
    return a + b;
}

// value + delta in plain decimal.
inline std::string shifted(std::int64_t value, std::int64_t delta) {
    return integerToText(plus(value, delta));
}

} // namespace ornavo::adverts

namespace ornavo::adverts {

// A field shown with room for `columns` characters, so that a row of sizes fits the window.
inline Control narrow(Control field, int columns) {
    field.columns = columns;
    return field;
}

} // namespace ornavo::adverts
