#include "version.h"

#include "version_defaults.h"

namespace ornavo {
const char* programVersion() {
    return ORNAVO_VERSION;
}
} // namespace ornavo
