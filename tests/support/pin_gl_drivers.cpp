// SDL unloads the EGL driver when a test's window closes, and leak reports then lose the
// driver's name, so the known driver leaks could not be told from ours. Pinning the drivers
// keeps their names in every report.
#include <dlfcn.h>

#include <initializer_list>

namespace {
const bool pinned = [] {
    for (const char* library : {"libEGL_mesa.so.0", "libglapi.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) dlopen(library, RTLD_LAZY | RTLD_NODELETE);
    return true;
}();
}  // namespace
