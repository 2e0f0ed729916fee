#pragma once
// Everything the program does from its start to its end: the skin first, then either one module
// window (`--module KEY`) or the main window, whose online content is fetched once it is on screen.

namespace ornavo::app {

int runProgram(int argc, char** argv);

} // namespace ornavo::app
