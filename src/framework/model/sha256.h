#pragma once
// SHA-256 of a byte string, for telling whether a file or a module's code changed since it was
// recorded (a linked settings file, the code last copied).

#include <string>

namespace ornavo {

// The digest as 64 lower-case hexadecimal digits.
std::string sha256Hex(const std::string& bytes);

// True for 64 lower-case hexadecimal digits, as sha256Hex writes them.
bool isSha256Hex(const std::string& text);

} // namespace ornavo
