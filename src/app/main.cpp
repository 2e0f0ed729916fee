// ornavo: the desktop program. `ornavo --module KEY` opens one module window directly.

#include "app/startup.h"

int main(int argc, char** argv) { return ornavo::app::runProgram(argc, argv); }
