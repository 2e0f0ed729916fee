#pragma once
// Placement rules shared by the full-screen windows whose poster box is pulled left over the shop's
// 950-pixel column.

#include "framework/model/form.h"
#include "framework/model/text.h"

namespace ornavo::centring {

// Left offset that centres a box of the width field's pixels on the 950-pixel column (professional
// edition, first system template): (width - 950) / -2.
inline std::string columnOffset(const Form& form, const std::string& widthField) {
    return numberToText((static_cast<double>(fieldInteger(form, widthField)) - 950.0) / -2.0);
}

// Height of the spacer that keeps the next module at its distance: 30 pixels short of the posters.
inline std::string spacerHeight(const Form& form, const std::string& heightField) {
    return numberToText(static_cast<double>(fieldInteger(form, heightField)) - 30.0);
}

} // namespace ornavo::centring
