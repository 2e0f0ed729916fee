#pragma once
// Every module window of the program.

#include "framework/registry.h"

namespace ornavo {

const Registry& moduleRegistry();

// One function per module window, each in its own source file.
ModuleSpec fullScreenPosterModule(); // F03

} // namespace ornavo
