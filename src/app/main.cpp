// ornavo: the desktop program. `ornavo --module KEY` opens one module window directly.

#include "app/startup.h"
#include "framework/web/browser_loader.h"

int main(int argc, char** argv) {
    const int status = ornavo::app::runProgram(argc, argv);
    ornavo::web::endProgramIfLoading(status);
    return status;
}
