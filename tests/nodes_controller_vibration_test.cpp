// Rumble: a hit shakes the pad of the player who was hit, and the graph stops it again once
// its cooldown has run out.
#include <gtest/gtest.h>

#include "nodes_controller_fixture.h"

namespace {

using graphtext::In;

// The markers take bools 0..n-1; the rumble's own bools sit above them.
const char* const kRumbleVariables =
    R"("double": {"0": {"name": "Cooldown", "val": 3.5}, "1": {"name": "VibrateCooldown", "val": 1.0},
                  "2": {"name": "CurrVibCD", "val": 0.0}},
       "bool": {"5": {"name": "Vibrate", "val": false}, "6": {"name": "Vibrated", "val": true}})";

TEST_F(ControllerNodeTest, AHitShakesThePlayersPadAtHalfStrengthWhenThereIsOne) {
    LoadMarked("shake", "VibrateControllerNode", {In("double", 0), In("bool", 5)}, 1, kRumbleVariables);
    LoadMarked("loose", "VibrateControllerNode", {"", In("bool", 5)}, 1, kRumbleVariables);
    const struct {
        const char* situation;
        const char* graph;
        int playerId;
        Fitted controller;
        bool plugged;
        int shakenPad;
    } cases[] = {
        {"player 3 is hit", "shake", 2, Fitted::kVisible, true, 2},
        {"a stray id shakes the pad its controller plays on", "shake", 12, Fitted::kVisible, true, 0},
        {"unplugged pad", "shake", 1, Fitted::kVisible, false, -1},
        {"no controller", "shake", 1, Fitted::kNone, true, -1},
        {"a hidden controller", "shake", 1, Fitted::kHidden, true, -1},
        {"no cooldown variable", "loose", 1, Fitted::kVisible, true, -1},
    };
    for (const auto& c : cases) {
        for (int pad = 0; pad < kPlayerSlots; ++pad) {
            scripted->DisconnectPad(pad);
            if (c.plugged) scripted->SetPad(pad, {});
        }
        GameObject* fighter = Spawn("Fighter", c.graph);
        Fit(fighter, c.playerId, c.controller);
        EXPECT_EQ(0, RunTaken(fighter)) << c.situation << ": the chain goes on";
        for (int pad = 0; pad < kPlayerSlots; ++pad) {
            const uint16_t expected = pad == c.shakenPad ? 0x7FFF : 0;
            EXPECT_EQ(expected, scripted->LastRumble(pad).left) << c.situation << ", pad " << pad;
            EXPECT_EQ(expected, scripted->LastRumble(pad).right) << c.situation << ", pad " << pad;
            if (pad == c.shakenPad) input->GetPad(pad)->Vibrate(0);
        }
        EXPECT_EQ(c.shakenPad >= 0 ? 0.0 : 3.5, Var<double>(fighter, "Cooldown")) << c.situation;
        EXPECT_EQ(c.shakenPad >= 0, Var<bool>(fighter, "Vibrate")) << c.situation;
    }
}

TEST_F(ControllerNodeTest, TheRumbleStopsOnceTheCooldownHasRunOut) {
    LoadMarked("calm", "StopVibrateController", {In("double", 1), In("double", 2), In("bool", 6)}, 1,
               kRumbleVariables);
    const struct {
        const char* situation;
        double elapsed;
        bool vibrated;
        Fitted controller;
        bool stops;
    } cases[] = {
        {"cooldown reached", 1.0, true, Fitted::kVisible, true},
        {"cooldown passed", 2.5, true, Fitted::kVisible, true},
        {"just short of it", 0.999, true, Fitted::kVisible, false},
        {"never shaken", 2.5, false, Fitted::kVisible, false},
        {"no controller", 2.5, true, Fitted::kNone, false},
    };
    scripted->SetPad(3, {});
    for (const auto& c : cases) {
        input->GetPad(3)->Vibrate(0x7FFF);
        GameObject* fighter = Spawn("Fighter", "calm");
        Fit(fighter, 3, c.controller);
        Var<double>(fighter, "CurrVibCD") = c.elapsed;
        Var<bool>(fighter, "Vibrated") = c.vibrated;
        EXPECT_EQ(0, RunTaken(fighter)) << c.situation << ": the chain goes on";
        EXPECT_EQ(c.stops ? 0 : 0x7FFF, scripted->LastRumble(3).left) << c.situation;
        EXPECT_EQ(c.elapsed, Var<double>(fighter, "CurrVibCD")) << c.situation << ": the graph counts, not the node";
        EXPECT_EQ(c.vibrated, Var<bool>(fighter, "Vibrated")) << c.situation;
    }
}

}  // namespace
