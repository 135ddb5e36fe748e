#pragma once

#include <array>
#include <string>

#include "platform/pads.h"

namespace platform {

// Which pad plays in which player slot. A new pad takes the lowest free slot; a pad that
// comes back takes its old slot again while that slot is still free, so players never swap
// pads mid-game. Pads are told apart by an identity string (model and serial number).
class PadSlots {
public:
    // The slot for a pad that just arrived; -1 when all are taken.
    int Claim(const std::string& identity);
    // The pad in the slot went away; the slot remembers it.
    void Release(int slot);
    bool IsTaken(int slot) const;

private:
    struct Slot {
        bool taken = false;
        std::string identity;
    };
    std::array<Slot, kMaxPads> slots_;
};

}  // namespace platform
