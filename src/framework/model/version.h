#pragma once
// The program's version ("2.0.1"), as the build states it once.

namespace ornavo {
const char* programVersion();
} // namespace ornavo
