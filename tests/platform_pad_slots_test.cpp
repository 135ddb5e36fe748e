// Which player slot a pad plays in as pads come and go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/pad_slots.h"

namespace platform {
namespace {

TEST(PlatformPadSlots, NewPadsTakeTheLowestFreeSlotAndReturningPadsTheirOwn) {
    struct Step {
        const char* what;
        bool arrives;
        std::string pad;  // arrives: the pad's identity
        int slot;         // arrives: the slot expected; leaves: the slot freed
    };
    const std::vector<Step> steps = {
        {"first pad", true, "red", 0},
        {"second pad", true, "blue", 1},
        {"third pad", true, "green", 2},
        {"red leaves", false, "", 0},
        {"blue leaves", false, "", 1},
        {"blue comes back to its own slot", true, "blue", 1},
        {"a new pad takes the lowest free slot, red's old one", true, "gold", 0},
        {"red comes back: its slot is taken, so the lowest free", true, "red", 3},
        {"all four taken", true, "grey", -1},
        {"green leaves", false, "", 2},
        {"two identical pads without serials share an identity", true, "red", 2},
    };
    PadSlots slots;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.arrives) {
            EXPECT_EQ(step.slot, slots.Claim(step.pad));
        } else {
            slots.Release(step.slot);
            EXPECT_FALSE(slots.IsTaken(step.slot));
        }
    }
    for (int slot = 0; slot < kMaxPads; ++slot) EXPECT_TRUE(slots.IsTaken(slot));
    slots.Release(-1);  // out of range: ignored
    slots.Release(kMaxPads);
    EXPECT_FALSE(slots.IsTaken(kMaxPads));
}

}  // namespace
}  // namespace platform
