// SDL unloads the EGL driver when a test's window closes, and leak reports then lose the
// driver's name, so the known driver leaks could not be told from ours. Pinning the drivers
// keeps their names in every report.
#include <dlfcn.h>

#include "support/gl_drivers.h"

namespace {
const bool pinned = [] {
    for (const char* library : kGlDrivers) dlopen(library, RTLD_LAZY | RTLD_NODELETE);
    return true;
}();
}  // namespace
