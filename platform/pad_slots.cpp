#include "platform/pad_slots.h"

namespace platform {

int PadSlots::Claim(const std::string& identity) {
    int lowestFree = -1;
    for (int i = 0; i < kMaxPads; ++i) {
        Slot& slot = slots_[static_cast<size_t>(i)];
        if (slot.taken) continue;
        if (slot.identity == identity && !identity.empty()) {
            slot.taken = true;
            return i;
        }
        if (lowestFree < 0) lowestFree = i;
    }
    if (lowestFree >= 0) {
        slots_[static_cast<size_t>(lowestFree)] = {true, identity};
    }
    return lowestFree;
}

void PadSlots::Release(int slot) {
    if (slot >= 0 && slot < kMaxPads) slots_[static_cast<size_t>(slot)].taken = false;
}

bool PadSlots::IsTaken(int slot) const {
    return slot >= 0 && slot < kMaxPads && slots_[static_cast<size_t>(slot)].taken;
}

}  // namespace platform
