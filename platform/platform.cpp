#include "platform/platform.h"

#include <utility>

#include "platform/scripted_backend.h"

namespace platform {
namespace {

std::unique_ptr<Backend>& Installed() {
    static std::unique_ptr<Backend> backend;
    return backend;
}

// Stands in before Install, so engine code and plain unit tests never meet a missing
// platform. Logic only: it touches no SDL, save SDL's audio once the sound system starts.
Backend& Fallback() {
    static ScriptedBackend backend(false);
    return backend;
}

}  // namespace

Backend& Current() {
    if (Installed() != nullptr) {
        return *Installed();
    }
    return Fallback();
}

void Install(std::unique_ptr<Backend> backend) {
    Uninstall();
    Installed() = std::move(backend);
}

void Uninstall() {
    // Detach first: anything that asks for Current() while the old one winds down gets the
    // stand-in, not a half-destroyed backend.
    std::unique_ptr<Backend> old = std::move(Installed());
    if (old == nullptr) {
        return;
    }
    old->GetDisplay().Close();
    old.reset();
}

}  // namespace platform
