#pragma once
// What ornavo-gen takes from the system: its arguments, standard streams and recipe files. Bytes go
// in and out unchanged; arguments and file names are UTF-8 whatever the system's code page.

#include <fstream>
#include <string>
#include <vector>

namespace ornavo::cli {

// The command line's arguments after the program's name, in UTF-8.
std::vector<std::string> commandArguments(int argc, char** argv);

// Standard input, output and error carry bytes unchanged (no line-end translation, no end at a
// Ctrl-Z byte); a console shows what is written as UTF-8. Call before anything is read or written.
void prepareStandardStreams();

// Closes standard output, so that a failure to write its last bytes shows; false with errno set.
bool closeStandardOutput();

// Opens a recipe file named in UTF-8 for reading bytes; when it cannot, says why on stderr.
bool openRecipeFile(const std::string& path, std::ifstream& file);

} // namespace ornavo::cli
