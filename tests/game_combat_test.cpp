// Fights in Level_1 on the real engine and the real content: attacks from the pool knock an
// opponent back and shake the ball loose, and each character's skill does its part. Player 1
// (keys F push, R skill) plays red, player 2 (J push, I skill, arrows) blue.
#include <gtest/gtest.h>

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/sound_system.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/node_helpers.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/match_fixture.h"

namespace {

namespace vk = platform::vk;

class GameCombat : public MatchTest {
protected:
    void StartLevelOne(CHARID redCharacter, CHARID blueCharacter) {
        StartLevel(Level_1, {{0, redCharacter}, {1, blueCharacter}});
    }

    // Puts a character on the ground of the middle scene at x, at rest.
    static void StandAt(GameObject* character, float x) {
        Body* body = character->Get<Body>(BODY);
        body->shape->SetPosition(x, -258.0f);
        body->velX = body->velY = 0;
    }

    // The pool copies in flight (or out) with this name.
    static int ActiveCopies(const std::string& name) {
        int count = 0;
        for (const auto& [id, object] : GameStateManager::Instance().objectMaps[2]) {
            if (object->name == name && object->active) ++count;
        }
        return count;
    }
    static GameObject* ActiveCopy(const std::string& name) {
        for (const auto& [id, object] : GameStateManager::Instance().objectMaps[2]) {
            if (object->name == name && object->active) return object;
        }
        return nullptr;
    }
    // The colour drawn at the centre of the view, which does not depend on the view's scale.
    static int CentreBrightness() {
        unsigned char p[4] = {};
        glReadPixels(640, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return std::min({p[0], p[1], p[2]});
    }
};

TEST_F(GameCombat, AnAttackKnocksTheCarrierBackAndShakesTheBallLoose) {
    StartLevelOne(LadyRed, NinjaBlue);
    GameObject* red = Named("LadyRed0");
    GameObject* blue = Named("NinjaBlue1");
    GameObject* ball = Named("Ball");
    ASSERT_TRUE(red && blue && ball);
    StandAt(red, 360.0f);
    ball->Get<Body>(BODY)->shape->SetPosition(372.0f, -280.0f);  // touching red
    ASSERT_TRUE(Until([&] { return Carried(ball); }, 30)) << "red picks the ball up";
    Frames(5);
    ASSERT_TRUE(*ObjectVariable<bool>(red, "holding"));

    StandAt(blue, 160.0f);  // blue faces right, towards red
    scripted->SetPad(0, {1, 0});  // red plays on a pad, so the hit can rumble it
    Frames(2);
    const float before = Where(red).x;
    Press('J');
    ASSERT_EQ(1, ActiveCopies("NinjaBlueAttack")) << "blue's attack flies from the pool";
    ASSERT_TRUE(Until([&] { return !Carried(ball); }, 40)) << "the hit shakes the ball loose";
    EXPECT_FALSE(*ObjectVariable<bool>(red, "holding"));
    EXPECT_EQ(2, *ObjectVariable<int>(ball, "Team")) << "a free ball again";
    EXPECT_EQ(0, ActiveCopies("NinjaBlueAttack")) << "the attack is spent on its hit";
    EXPECT_LT(red->Get<Sprite>(SPRITE)->state.rgba[1], 1.0f) << "red flashes";
    EXPECT_TRUE(*ObjectVariable<bool>(Named("LevelObj"), "isShaking"));
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("AttackHit"));
    EXPECT_GT(scripted->LastRumble(0).left, 0) << "red's pad rumbles";
    Frames(10);
    EXPECT_GT(Where(red).x, before + 20.0f) << "knocked away from blue";
    Frames(30);
    EXPECT_EQ(1.0f, red->Get<Sprite>(SPRITE)->state.rgba[1]) << "the flash wears off";
    EXPECT_EQ(0, scripted->LastRumble(0).left) << "and so does the rumble";
}

TEST_F(GameCombat, AnAttackMissesItsOwnTeamAndRetiresOutOfRange) {
    StartLevelOne(LadyRed, BoxerRed);
    GameObject* first = Named("LadyRed0");
    GameObject* mate = Named("BoxerRed1");
    StandAt(first, 160.0f);
    StandAt(mate, 260.0f);
    Frames(2);
    Press('F');
    ASSERT_EQ(1, ActiveCopies("LadyRedAttack"));
    EXPECT_TRUE(Until([] { return ActiveCopies("LadyRedAttack") == 0; }, 60)) << "out of range, back to the pool";
    EXPECT_EQ(1.0f, mate->Get<Sprite>(SPRITE)->state.rgba[1]) << "a team mate is never hit";
}

TEST_F(GameCombat, ThreePunchesThenTheCooldownHoldsPressesBack) {
    StartLevelOne(LadyRed, NinjaBlue);
    StandAt(Named("LadyRed0"), 160.0f);
    Frames(2);
    for (int punch = 1; punch <= 3; ++punch) {
        Press('F');
        EXPECT_EQ(punch, ActiveCopies("LadyRedAttack")) << "punch " << punch << " flies at once";
    }
    Press('F');
    Press('F');
    EXPECT_EQ(3, ActiveCopies("LadyRedAttack")) << "presses within the cooldown launch nothing";
    EXPECT_TRUE(Until([] { return ActiveCopies("LadyRedAttack") == 0; }, 60));
    Press('F');
    EXPECT_EQ(1, ActiveCopies("LadyRedAttack")) << "the cooldown has run out";
}

TEST_F(GameCombat, TheBoxerStrikesOnBothSidesAtOnce) {
    StartLevelOne(BoxerRed, NinjaBlue);
    GameObject* boxer = Named("BoxerRed0");
    GameObject* foe = Named("NinjaBlue1");
    StandAt(boxer, 360.0f);
    StandAt(foe, 480.0f);
    Frames(2);
    Press('R');
    GameObject* left = ActiveCopy("BoxerRedStrikeLeft");
    GameObject* right = ActiveCopy("BoxerRedStrikeRight");
    ASSERT_TRUE(left && right);
    EXPECT_NEAR(Where(boxer).x - 120.0f, Where(left).x, 12.0f);
    EXPECT_NEAR(Where(boxer).x + 120.0f, Where(right).x, 12.0f);
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("SkillBoxer"));
    Frames(10);
    EXPECT_GT(Where(foe).x, 500.0f) << "the right strike knocks the ninja further right";
    EXPECT_EQ(0, ActiveCopies("BoxerRedStrikeRight")) << "spent on its hit";
    EXPECT_TRUE(Until([] { return ActiveCopies("BoxerRedStrikeLeft") + ActiveCopies("BoxerRedStrikeRight") == 0; }, 40))
        << "the strikes last a moment";
    Press('R');
    EXPECT_EQ(0, ActiveCopies("BoxerRedStrikeLeft")) << "the skill is cooling down";
}

TEST_F(GameCombat, TheBoxersStrikeIsDrawnWhereItStands) {
    StartLevelOne(BoxerRed, NinjaBlue);
    // In the air left of the view's centre, so that the right strike covers the centre.
    Named("BoxerRed0")->Get<Body>(BODY)->shape->SetPosition(240.0f, 0.0f);
    Frames(1);
    ASSERT_LT(CentreBrightness(), 230) << "the sky alone at the centre";
    Press('R');
    ASSERT_NE(nullptr, ActiveCopy("BoxerRedStrikeRight"));
    EXPECT_GE(CentreBrightness(), 230) << "the strike's white core";
}

TEST_F(GameCombat, TheLadysShieldStandsInFrontOfHerAndReflectsAnAttack) {
    StartLevelOne(LadyRed, NinjaBlue);
    GameObject* lady = Named("LadyRed0");
    GameObject* ninja = Named("NinjaBlue1");
    StandAt(lady, 200.0f);
    StandAt(ninja, 520.0f);
    Frames(2);
    Press('R');
    GameObject* shield = ActiveCopy("LadyRedShield");
    ASSERT_NE(nullptr, shield);
    EXPECT_NEAR(Where(lady).x + 40.0f + 12.0f, Where(shield).x, 6.0f) << "in front of her, facing right";

    scripted->SetKey(vk::kLeft, true);  // the ninja turns to face the lady (a move needs the key held)
    Frames(3);
    scripted->SetKey(vk::kLeft, false);
    Press('J');
    GameObject* attack = ActiveCopy("NinjaBlueAttack");
    ASSERT_NE(nullptr, attack);
    ASSERT_LT(attack->Get<Body>(BODY)->velX, 0.0f);
    EXPECT_TRUE(Until([&] { return attack->Get<Body>(BODY)->velX > 0.0f; }, 40)) << "turned back by the shield";
    EXPECT_EQ(1.0f, lady->Get<Sprite>(SPRITE)->state.rgba[1]) << "the lady is not hit";
}

TEST_F(GameCombat, TheNinjaDropsAMarkerThenTeleportsToIt) {
    StartLevelOne(LadyRed, NinjaBlue);
    GameObject* ninja = Named("NinjaBlue1");
    GameObject* marker = Named("NinjaBlueSkill1");
    ASSERT_TRUE(ninja && marker);
    StandAt(ninja, 560.0f);
    Frames(2);
    const Vec2 dropped = Where(ninja);
    Press('I');
    EXPECT_NEAR(dropped.x, Where(marker).x, 4.0f);
    EXPECT_NEAR(dropped.y - 64.0f, Where(marker).y, 4.0f);

    scripted->SetKey(vk::kRight, true);
    Frames(30);
    scripted->SetKey(vk::kRight, false);
    Frames(10);
    ASSERT_GT(Where(ninja).x, dropped.x + 100.0f);
    Press('I');
    EXPECT_NEAR(dropped.x, Where(ninja).x, 10.0f) << "back at the marker";
    EXPECT_LT(Where(marker).y, -1000.0f) << "the marker is put away";
}

// The lady holds the ball and the boxer, facing her, stands in her face with his middle just
// past hers, as when he lands on her: his punch still lands, and it is spent on her.
TEST_F(GameCombat, APunchAtCloseQuartersShakesTheBallLoose) {
    StartLevelOne(LadyRed, BoxerBlue);
    GameObject* lady = Named("LadyRed0");
    GameObject* boxer = Named("BoxerBlue1");
    ASSERT_TRUE(lady && boxer);
    ASSERT_TRUE(HoldUntil('D', [&] { return Carried(ball); }, 200)) << "the lady picks the ball up";
    ASSERT_TRUE(HoldUntil(vk::kLeft, [&] { return Where(boxer).x < Where(lady).x + 80.0f; }, 300))
        << "the boxer walks up to her, facing her";
    Frames(30);  // both come to rest
    StandAt(lady, Where(lady).x);
    StandAt(boxer, Where(lady).x - 2.0f);
    ASSERT_TRUE(Carried(ball));

    Press('J');
    EXPECT_TRUE(Until([&] { return !Carried(ball); }, 20)) << "the punch shakes the ball loose";
    EXPECT_FALSE(*ObjectVariable<bool>(lady, "holding"));
    EXPECT_LT(lady->Get<Sprite>(SPRITE)->state.rgba[1], 1.0f) << "the lady flashes";
    EXPECT_EQ(0, ActiveCopies("BoxerBlueAttack")) << "the punch is spent on her, not on the boxer himself";
}

// A team mate walks into the lady from behind while she stands just short of the resting
// ball: the shove pushes her into it, and she picks it up.
TEST_F(GameCombat, AShoveFromBehindIntoTheBallPicksItUp) {
    StartLevel(Level_1, {{0, LadyRed}, {1, NinjaBlue}, {2, BoxerRed}});
    GameObject* lady = Named("LadyRed0");
    GameObject* mate = Named("BoxerRed2");
    ASSERT_TRUE(lady && mate);
    StandAt(Named("NinjaBlue1"), 700.0f);
    StandAt(lady, 300.0f);
    StandAt(mate, 200.0f);
    ball->Get<Body>(BODY)->shape->SetPosition(345.0f, -270.0f);
    Frames(40);
    ASSERT_FALSE(Carried(ball)) << "the lady stands short of the ball";
    ASSERT_EQ(300.0f, Where(lady).x);

    EXPECT_TRUE(HoldUntil(vk::kNumpad6, [&] { return Carried(ball); }, 90)) << "shoved into the ball, she takes it";
    EXPECT_TRUE(*ObjectVariable<bool>(lady, "holding"));
    EXPECT_FALSE(*ObjectVariable<bool>(mate, "holding")) << "the mate behind her never touched it";
}

}  // namespace
