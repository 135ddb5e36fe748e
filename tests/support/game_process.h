#pragma once

#include <unistd.h>

#include <cstdlib>

#include "support/address_sanitizer.h"

// Turns a forked child into the real game, started in the current folder. Under
// AddressSanitizer its leak check is off: once SDL unloads the GL driver, the driver's leaks can
// no longer be told from ours by name, and the in-process tests check the game's own memory.
[[noreturn]] inline void BecomeTheGame() {
#if defined(BRAMBLE_ADDRESS_SANITIZER)
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
#endif
    execl(BRAMBLE_GAME_BINARY, "bramblecourt", static_cast<char*>(nullptr));
    _exit(127);
}
