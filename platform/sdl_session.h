#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Holds SDL subsystems for as long as it lives. Sessions nest and follow one another freely
// (tests make and drop many backends in one process): each one releases exactly what it took,
// and the last one out shuts SDL down completely so the next starts from a clean slate.
class SdlSession {
public:
    using Hints = std::vector<std::pair<const char*, const char*>>;

    // The hints are set before SDL starts and reset when the session ends.
    SdlSession(uint32_t subsystems, Hints hints);
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    bool Ok() const { return ok_; }
    // SDL's reason when Ok() is false.
    const std::string& Error() const { return error_; }

private:
    uint32_t subsystems_ = 0;
    Hints hints_;
    bool ok_ = false;
    std::string error_;
};

}  // namespace platform
