#pragma once

// Defines BRAMBLE_ADDRESS_SANITIZER in a build under AddressSanitizer, whichever compiler made
// it: gcc says so with __SANITIZE_ADDRESS__, clang only through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define BRAMBLE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRAMBLE_ADDRESS_SANITIZER 1
#endif
#endif
