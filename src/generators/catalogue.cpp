#include "catalogue.h"

namespace ornavo {

const Registry& moduleRegistry() {
    static const Registry registry({
        fullScreenPosterModule(),
    });
    return registry;
}

} // namespace ornavo
