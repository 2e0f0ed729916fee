#pragma once
// Sizes that the advert windows derive from typed sizes: whole numbers added, written as text.

#include "framework/model/module_description.h"
#include "framework/model/text.h"

#include <cstdint>
#include <string>

namespace ornavo::adverts {

// value + delta in plain decimal, never wrapping round.
inline std::string shifted(std::int64_t value, std::int64_t delta) {
    return integerToText(saturatingAdd(value, delta));
}

} // namespace ornavo::adverts

namespace ornavo::adverts {

// A field shown with room for `columns` characters, so that a row of sizes fits the window.
inline Control narrow(Control field, int columns) {
    field.columns = columns;
    return field;
}

} // namespace ornavo::adverts
