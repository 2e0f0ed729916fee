// A library that takes its time to load: the loader holds its lock meanwhile, as it does while a large
// library comes in from a slow disk.
#include <unistd.h>

__attribute__((constructor)) static void slowly() {
    sleep(3);
}
