#pragma once

// Mesa's GL driver libraries, as SDL's offscreen driver loads them. Kept loaded by the tests so
// that the driver's own leaks keep its names and tests/lsan.supp can match them.
inline constexpr const char* kGlDrivers[] = {"libEGL_mesa.so.0", "libglapi.so.0",
                                             "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"};
