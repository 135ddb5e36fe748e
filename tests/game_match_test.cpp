// Whole matches of Level_1 on the real engine and the real content: red and blue players, driven
// by scripted keys, carry the ball across the camera scenes to the other team's door, and
// characters who fall off the stage or are left behind by the camera come back at their
// team's point under a respawn light.
#include <epoxy/gl.h>

#include <algorithm>
#include <array>
#include <vector>

#include "support/match_fixture.h"
#include "support/probe_system.h"

namespace {

namespace vk = platform::vk;

class GameMatch : public MatchTest {
protected:
    void StartLevelOne() { StartTwoPlayers(Level_1); }
};

TEST_F(GameMatch, RedCarriesTheBallThroughSceneTwoToBluesDoorAndWins) {
    StartLevelOne();
    EXPECT_EQ(1, Scene());
    EXPECT_EQ(360.0f, CameraX()) << "play starts in the middle scene";
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("LevelTheme"));
    EXPECT_EQ(Named("Edge12"), *ObjectVariable<GameObject*>(Named("LevelObj"), "CurrentBoundary"))
        << "bound from the start, so a fall before the first crossing still has a point to respawn at";
    for (const char* light : {"RespawnLight01", "RespawnLight02", "RespawnLight11", "RespawnLight12"}) {
        EXPECT_FALSE(Named(light)->Get<Sprite>(SPRITE)->active) << light << " stays dark until someone respawns";
    }

    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    EXPECT_EQ(0, IntOf(ball, "Team")) << "the ball is red's";
    EXPECT_EQ(166u, red->Get<Sprite>(SPRITE)->state.textureId) << "the with-ball sheet";
    for (const char* side : {"Edge12", "Edge12_2"}) {
        EXPECT_EQ(1, IntOf(Named(side), "Team")) << side << " now lets blue push back";
        EXPECT_EQ(1, IntOf(Named(side), "Scene")) << side << " leads back to the middle scene";
    }
    const GameObject* boundary = *ObjectVariable<GameObject*>(Named("LevelObj"), "CurrentBoundary");
    ASSERT_NE(nullptr, boundary);
    EXPECT_EQ(0u, boundary->name.find("Edge12"));

    // Blue was left behind in the middle scene: it is back at its point in scene two, lit.
    EXPECT_TRUE(Near({2030, -60}, Where(blue), 60.0f)) << Where(blue).x << ", " << Where(blue).y;
    EXPECT_TRUE(LightOn("RespawnLight11"));
    EXPECT_NEAR(2030.0f, Where(Named("RespawnLight11")).x, 60.0f) << "the light stands over blue";
    EXPECT_TRUE(Carried(ball)) << "blue's respawn leaves red's ball alone";

    scripted->SetKey('D', true);
    EXPECT_TRUE(Until([this] { return stateChanged; }, 300)) << "red reaches blue's door";
    scripted->SetKey('D', false);
    ASSERT_EQ(WinRed, GameStateManager::currentState);
    BackToTheMenu();
}

TEST_F(GameMatch, BlueCarriesTheBallThroughSceneZeroToRedsDoorAndWins) {
    StartLevelOne();
    CarryIntoNextScene(blue, vk::kLeft, 0, -920.0f);
    EXPECT_EQ(1, IntOf(ball, "Team"));
    EXPECT_EQ(0, IntOf(Named("Edge01_2"), "Team")) << "red may push back now";
    EXPECT_TRUE(Near({-1310, -60}, Where(red), 60.0f)) << Where(red).x << ", " << Where(red).y;
    EXPECT_TRUE(LightOn("RespawnLight01"));

    scripted->SetKey(vk::kLeft, true);
    EXPECT_TRUE(Until([this] { return stateChanged; }, 300)) << "blue reaches red's door";
    scripted->SetKey(vk::kLeft, false);
    ASSERT_EQ(WinBlue, GameStateManager::currentState);
    BackToTheMenu();
}

TEST_F(GameMatch, ACharacterWhoWalksOffTheStageRespawnsAtItsTeamsPointUnderItsLight) {
    StartLevelOne();
    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    ASSERT_TRUE(Until([] { return !LightOn("RespawnLight11"); }, 200)) << "the light of the first respawn goes out";

    // Blue walks past its own door and off the end of the stage.
    bool fell = false;
    scripted->SetKey(vk::kRight, true);
    EXPECT_TRUE(Until([&] { return (fell = fell || Where(blue).y < -400.0f) && LightOn("RespawnLight11"); }, 200));
    scripted->SetKey(vk::kRight, false);
    EXPECT_TRUE(fell);
    EXPECT_TRUE(Near({2030, -60}, Where(blue), 60.0f)) << Where(blue).x << ", " << Where(blue).y;
    EXPECT_TRUE(*ObjectVariable<bool>(Named("LevelObj"), "isShaking")) << "a fall shakes the screen";
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("Respawn"));
    EXPECT_TRUE(Carried(ball)) << "a respawn never moves a ball its character does not hold";
    EXPECT_EQ(0, IntOf(ball, "Team"));
    EXPECT_EQ(Level_1, GameStateManager::currentState);
}

// Pressed against an edge it may not cross, the carrier lets go of the ball: dropped or thrown,
// the ball stays on the carrier's side, in view.
TEST_F(GameMatch, ABallLetGoAgainstAClosedEdgeStaysOnTheCarriersSide) {
    StartLevelOne();
    ASSERT_TRUE(HoldUntil('D', [this] { return Carried(ball); }, 200)) << "red reaches the ball";
    // Red may not cross the start screen's left edge: it runs into it and stays there.
    scripted->SetKey('A', true);
    Until([] { return false; }, 150);
    EXPECT_EQ(1, Scene());
    for (int letGo : {'G', 'F'}) {  // Pull drops, Push throws
        ASSERT_TRUE(Until([this] { return Carried(ball); }, 120)) << "red holds the ball against the edge";
        scripted->SetKey(letGo, true);
        ASSERT_TRUE(Until([this] { return !Carried(ball); }, 10));
        scripted->SetKey(letGo, false);
        for (int frame = 0; frame < 60; ++frame) {
            ASSERT_TRUE(OnScreen(Where(ball)))
                << char(letGo) << ": the ball at " << Where(ball).x << ", " << Where(ball).y << " frame " << frame;
            Until([] { return false; }, 1);
        }
    }
    scripted->SetKey('A', false);
}

// Pressed against an edge wall, a character on the ground jumps every time Jump is pressed, not
// only the first time.
TEST_F(GameMatch, ACharacterAgainstAnEdgeWallJumpsEveryTime) {
    StartLevelOne();
    scripted->SetKey('A', true);
    Until([] { return false; }, 90);  // off its platform and into the start screen's left wall
    const float ground = Where(red).y;
    for (int jump = 1; jump <= 3; ++jump) {
        scripted->SetKey(' ', true);
        EXPECT_TRUE(Until([&] { return Where(red).y > ground + 60.0f; }, 30)) << "jump " << jump << " leaves the ground";
        scripted->SetKey(' ', false);
        ASSERT_TRUE(Until([&] { return Where(red).y < ground + 1.0f; }, 120)) << "jump " << jump << " lands";
        Until([] { return false; }, 30);
    }
    scripted->SetKey('A', false);
}

// A Ninja's marker belongs to the screen it was dropped on: once the camera moves on, a marker
// left behind is gone and the next Skill drops a new one, so neither the Ninja carrying the
// ball nor the one left behind ever jumps out of view.
TEST_F(GameMatch, ANinjasMarkerLeftBehindByTheCameraIsGone) {
    StartLevel(Level_1, {{0, NinjaRed}, {1, NinjaBlue}});
    GameObject* redNinja = Named("NinjaRed0");
    GameObject* blueNinja = Named("NinjaBlue1");
    ASSERT_TRUE(redNinja && blueNinja);
    red = redNinja;
    // Both drop their markers in the middle screen; red then carries the ball to the right.
    scripted->SetKey('D', true);
    Until([] { return false; }, 48);
    scripted->SetKey('D', false);
    for (int skill : {'R', 'I'}) HoldUntil(skill, [] { return false; }, 9);
    EXPECT_GT(Where(Named("NinjaRedSkill1")).y, -1000.0f) << "red's marker is down";
    EXPECT_GT(Where(Named("NinjaBlueSkill1")).y, -1000.0f) << "blue's marker is down";
    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    EXPECT_TRUE(OnScreen(Where(blueNinja))) << "blue, left behind, is back in the new screen";
    Until([] { return false; }, 130);  // the skill is ready again

    for (int use = 1; use <= 2; ++use) {  // the first use drops a new marker, the second jumps to it
        scripted->SetKey('R', true);
        scripted->SetKey('I', true);
        for (int frame = 0; frame < 130; ++frame) {
            if (frame == 9) {
                scripted->SetKey('R', false);
                scripted->SetKey('I', false);
            }
            ASSERT_TRUE(Carried(ball)) << "red keeps the ball";
            ASSERT_TRUE(OnScreen(Where(redNinja))) << "use " << use << ", frame " << frame << ": red at "
                                                   << Where(redNinja).x << ", " << Where(redNinja).y;
            ASSERT_TRUE(OnScreen(Where(blueNinja))) << "use " << use << ", frame " << frame << ": blue at "
                                                    << Where(blueNinja).x << ", " << Where(blueNinja).y;
            Until([] { return false; }, 1);
        }
    }
    EXPECT_LT(Where(Named("NinjaRedSkill1")).y, -1000.0f) << "red jumped to the new marker and put it away";
    EXPECT_EQ(2, Scene());
}

// Whatever put them there, a free ball and a player out of the camera's view come back after a
// moment: the ball in the middle of the screen, the player at its team's point under its light.
TEST_F(GameMatch, AFreeBallAndAPlayerOutOfViewComeBackAfterAMoment) {
    StartLevelOne();
    ball->Get<Body>(BODY)->shape->SetPosition(-700.0f, -280.0f);  // on the ground of the left screen
    blue->Get<Body>(BODY)->shape->SetPosition(-900.0f, -250.0f);
    Until([] { return false; }, 30);
    EXPECT_FALSE(OnScreen(Where(ball))) << "not at once: a ball flying over the top may still come down";
    EXPECT_TRUE(Until([this] { return OnScreen(Where(ball)) && OnScreen(Where(blue)); }, 60));
    EXPECT_TRUE(Near({360, -200}, Where(ball), 30.0f)) << Where(ball).x << ", " << Where(ball).y;
    EXPECT_TRUE(Near({750, -60}, Where(blue), 30.0f)) << Where(blue).x << ", " << Where(blue).y;
    EXPECT_TRUE(Until([] { return LightOn("RespawnLight11"); }, 5));
}

// Thrown high from a platform at an edge wall, the ball neither climbs over the wall's top into
// the next screen nor comes to rest up there: the walls reach far above the view.
TEST_F(GameMatch, ABallThrownFromAPlatformAtAnEdgeWallStaysInTheScene) {
    StartLevelOne();
    ASSERT_TRUE(HoldUntil('D', [this] { return Carried(ball); }, 200)) << "red reaches the ball";
    // Back near the left end of its platform, facing the start screen's left wall.
    red->Get<Body>(BODY)->shape->SetPosition(-60.0f, -100.0f);
    HoldUntil('A', [] { return false; }, 3);
    Until([] { return false; }, 10);
    // Red jumps and throws towards the wall near the top of the jump.
    HoldUntil(' ', [] { return false; }, 28);
    scripted->SetKey('F', true);
    ASSERT_TRUE(Until([this] { return !Carried(ball); }, 10));
    scripted->SetKey('F', false);
    float highest = Where(ball).y;
    for (int frame = 0; frame < 180; ++frame) {
        Until([] { return false; }, 1);
        const Vec2 at = Where(ball);
        highest = std::max(highest, at.y);
        ASSERT_LE(std::abs(at.x - SceneCentreX(Scene())), kSceneHalfWidth)
            << "the ball left the scene at frame " << frame << ", at " << at.x << ", " << at.y;
    }
    EXPECT_GT(highest, 400.0f) << "the throw took the ball well over the top of the view";
    EXPECT_TRUE(OnScreen(Where(ball))) << "it came down in view, at " << Where(ball).x << ", " << Where(ball).y;
    EXPECT_EQ(1, Scene());
}

// A carrier touching an edge it may cross goes across it, whichever way the carrier faces: one
// teleported to the edge, knocked back or shoved into it must not stay behind the camera.
TEST_F(GameMatch, ACarrierFacingAwayFromAnEdgeItTouchesStillEndsUpAcrossIt) {
    StartLevelOne();
    ASSERT_TRUE(HoldUntil('D', [this] { return Carried(ball); }, 200)) << "red reaches the ball";
    HoldUntil('A', [] { return false; }, 3);  // turns back towards its own side
    // Red's back just touches the middle screen's right edge.
    red->Get<Body>(BODY)->shape->SetPosition(961.0f, -258.0f);
    ASSERT_TRUE(Until([] { return Scene() == 2; }, 10)) << "red crosses";
    EXPECT_TRUE(Until([] { return CameraX() == 1640.0f; }, 60));
    EXPECT_TRUE(OnScreen(Where(red))) << "red stands in the screen the camera went to, at " << Where(red).x << ", "
                                      << Where(red).y;
    EXPECT_TRUE(Carried(ball));
}

// A loose ball lying against a door is drawn in front of it, where a player can see it: on
// every stage, at either end.
TEST_F(GameMatch, ALooseBallAtADoorIsDrawnInFrontOfIt) {
    StartLevelOne();
    const struct {
        const char* name;
        int scene;
    } doors[] = {{"DoorWest", 0}, {"DoorEast", 2}};
    const struct {
        GameState level;
        const char* name;
    } stages[] = {{Level_1, "the meadow"}, {Level_2, "the desert"}, {Level_3, "the night lagoon"}};
    float cameraX = 0;
    const auto pixelAt = [&cameraX](Vec2 p) {
        std::array<unsigned char, 4> rgba{};
        glReadPixels(static_cast<int>(p.x - cameraX + 640), static_cast<int>(p.y + 360), 1, 1, GL_RGBA,
                     GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    };
    const auto holdBallAt = [this](Vec2 p) {
        Body* body = ball->Get<Body>(BODY);
        for (int frame = 0; frame < 3; ++frame) {
            body->shape->SetPosition(p);
            body->velX = body->velY = 0;
            Until([] { return false; }, 1);
        }
    };
    for (const auto& stage : stages) {
        if (stage.level != Level_1) EnterState(stage.level);
        ball = Named("Ball");
        ASSERT_NE(nullptr, ball);
        for (const auto& door : doors) {
            cameraX = SceneCentreX(door.scene);
            TheCamera()->SetPosition(cameraX, 0);
            GameStateManager::Instance().currentScene = door.scene;
            ASSERT_NE(nullptr, Named(door.name));
            const Vec2 atDoor = {Where(Named(door.name)).x, Where(Named(door.name)).y - 40};
            holdBallAt({cameraX, 100});
            const auto doorAlone = pixelAt(atDoor);
            holdBallAt(atDoor);
            const auto withBall = pixelAt(atDoor);
            EXPECT_NE(doorAlone, withBall) << "the ball shows over " << door.name << " on " << stage.name;
        }
    }
}

// A wall gives way to no push: red's carrier stands at the edge she may not cross, and everyone
// else, foes and mate, walks into her and punches. Nobody's body ever sinks into the edge's
// wall, so all stay whole in the view.
TEST_F(GameMatch, APileOfPlayersPushingIntoAClosedEdgeStaysWholeInTheView) {
    StartLevel(Level_1, {{0, LadyRed}, {1, NinjaBlue}, {2, BoxerRed}, {3, BoxerBlue}});
    red = Named("LadyRed0");
    const std::array<GameObject*, 4> everyone{red, Named("NinjaBlue1"), Named("BoxerRed2"), Named("BoxerBlue3")};
    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    for (int left : {int('A'), vk::kLeft, vk::kNumpad4, vk::kDelete}) scripted->SetKey(left, true);
    Vec2 wallMin, wallMax;
    Named("Edge12_2")->Get<Body>(BODY)->shape->Bounds(wallMin, wallMax);
    ASSERT_GE(wallMax.x, SceneCentreX(2) - kSceneHalfWidth) << "the wall's surface lies in the view";
    constexpr float kSlop = 0.5f;
    for (int frame = 0; frame < 480; ++frame) {
        scripted->SetKey('J', frame % 30 < 3);           // blue's punches
        scripted->SetKey(vk::kPrior, frame % 40 < 3);  // and the other blue's
        Until([] { return false; }, 1);
        for (const GameObject* player : everyone) {
            Vec2 min, max;
            player->Get<Body>(BODY)->shape->Bounds(min, max);
            ASSERT_GE(min.x, wallMax.x - kSlop) << player->name << " pushed into the edge's wall at frame " << frame;
        }
    }
    for (int left : {int('A'), vk::kLeft, vk::kNumpad4, vk::kDelete}) scripted->SetKey(left, false);
}

// Pixels of `colour` drawn where `object`'s sprite lies, as far as it is in view:
// none when the sprite is beyond the view.
int DrawnPixels(const GameObject* object, std::array<int, 3> colour) {
    const Sprite& sprite = *object->Get<Sprite>(SPRITE);
    const Vec2 camera = CameraPosition(*TheCamera());
    const int left = std::max(0, static_cast<int>(sprite.x - camera.x + 640 - sprite.width / 2));
    const int right = std::min(1280, static_cast<int>(sprite.x - camera.x + 640 + sprite.width / 2));
    const int bottom = std::max(0, static_cast<int>(sprite.y - camera.y + 360 - sprite.height / 2));
    const int top = std::min(720, static_cast<int>(sprite.y - camera.y + 360 + sprite.height / 2));
    if (left >= right || bottom >= top) return 0;
    std::vector<unsigned char> area(static_cast<size_t>((right - left) * (top - bottom)) * 4);
    glReadPixels(left, bottom, right - left, top - bottom, GL_RGBA, GL_UNSIGNED_BYTE, area.data());
    int count = 0;
    for (size_t i = 0; i < area.size(); i += 4) {
        if (std::abs(area[i] - colour[0]) < 12 && std::abs(area[i + 1] - colour[1]) < 12 &&
            std::abs(area[i + 2] - colour[2]) < 12) {
            ++count;
        }
    }
    return count;
}

struct Crossing {
    const char* way;
    bool redCarries;
    int key;
    int scene;
    float cameraX;
    double panSpeed;  // the level's, units a frame
};
constexpr std::array<int, 3> kRed{214, 60, 56}, kBlue{60, 104, 214}, kBall{236, 120, 40};

void PrintTo(const Crossing& crossing, std::ostream* out) { *out << crossing.way << " at pan " << crossing.panSpeed; }

// The share of `object`'s sprite that lies inside the view, 0 to 1.
float ShareInView(const GameObject* object) {
    const Sprite& sprite = *object->Get<Sprite>(SPRITE);
    const Vec2 camera = CameraPosition(*TheCamera());
    const float halfWidth = std::abs(sprite.width) / 2, halfHeight = std::abs(sprite.height) / 2;
    const float across = std::min(sprite.x + halfWidth, camera.x + 640) - std::max(sprite.x - halfWidth, camera.x - 640);
    const float up = std::min(sprite.y + halfHeight, camera.y + 360) - std::max(sprite.y - halfHeight, camera.y - 360);
    return across <= 0 || up <= 0 ? 0.0f : across * up / (4 * halfWidth * halfHeight);
}

class CrossingSeen : public GameMatch, public ::testing::WithParamInterface<Crossing> {};

// The carrier and the ball in her hands stay in view in every frame of a crossing, from her
// last steps before the edge until the camera has come to the new screen, whatever the
// level's pan speed: most of her picture, and at least half of the ball's pixels.
TEST_P(CrossingSeen, TheCarrierAndTheBallStayInViewInEveryFrame) {
    const Crossing& c = GetParam();
    StartLevelOne();
    double* panSpeed = ObjectVariable<double>(Named("LevelObj"), "panSpeed");
    ASSERT_NE(nullptr, panSpeed);
    *panSpeed = c.panSpeed;
    GameObject* carrier = c.redCarries ? red : blue;
    const std::array<int, 3> team = c.redCarries ? kRed : kBlue;
    ASSERT_TRUE(HoldUntil(c.key, [this] { return Carried(ball); }, 200)) << "the carrier reaches the ball";
    ASSERT_EQ(1.0f, ShareInView(carrier));
    const int ballPixels = DrawnPixels(carrier, kBall);  // all of them, with her wholly in view
    ASSERT_GT(ballPixels, 100);
    scripted->SetKey(c.key, true);
    bool crossed = false;
    for (int frame = 0; frame < 300 && CameraX() != c.cameraX; ++frame) {
        Until([] { return false; }, 1);
        crossed = crossed || Scene() == c.scene;
        const std::string where = " at frame " + std::to_string(frame) + ", at " + std::to_string(Where(carrier).x) +
                                  " with the camera at " + std::to_string(CameraX());
        ASSERT_GE(ShareInView(carrier), 0.9f) << "the carrier is out of view" << where;
        ASSERT_GT(DrawnPixels(carrier, team), 50) << "the carrier is not drawn" << where;
        ASSERT_GE(2 * DrawnPixels(carrier, kBall), ballPixels) << "the ball is out of view" << where;
    }
    scripted->SetKey(c.key, false);
    EXPECT_TRUE(crossed);
    EXPECT_EQ(c.cameraX, CameraX()) << "the camera came to the new screen";
    EXPECT_TRUE(Carried(ball));
    EXPECT_EQ(c.scene, IntOf(carrier, "Scene"));
    EXPECT_TRUE(OnScreen(Where(carrier))) << "she stepped into the new screen";
}

INSTANTIATE_TEST_SUITE_P(EitherWayAtTwoPanSpeeds, CrossingSeen,
                         ::testing::Values(Crossing{"Right", true, 'D', 2, 1640.0f, 40.0},
                                           Crossing{"Left", false, vk::kLeft, 0, -920.0f, 40.0},
                                           Crossing{"Right", true, 'D', 2, 1640.0f, 15.0},
                                           Crossing{"Left", false, vk::kLeft, 0, -920.0f, 15.0}),
                         [](const ::testing::TestParamInfo<Crossing>& info) {
                             return std::string(info.param.way) + "AtPan" +
                                    std::to_string(static_cast<int>(info.param.panSpeed));
                         });

// However long the frames, a carrier who crosses an edge arrives in the new screen with the
// ball: she is never taken for one left behind and sent back to her team's point.
TEST_F(GameMatch, ACarrierCrossingInLongFramesArrivesInTheNewScreenWithTheBall) {
    StartLevelOne();
    auto* slowFrames = new ProbeSystem(static_cast<SYSTEM_COMP>(4));  // a key no system has
    slowFrames->onUpdate = [this] { scripted->Advance(300 * platform::kTicksPerMillisecond); };
    systems.AddSystem(slowFrames);
    ASSERT_TRUE(HoldUntil('D', [this] { return Carried(ball); }, 200)) << "red reaches the ball";
    scripted->SetKey('D', true);
    ASSERT_TRUE(Until([] { return Scene() == 2; }, 200)) << "carried over the scene's edge";
    for (int frame = 0; frame < 40; ++frame) {
        Until([] { return false; }, 1);
        for (const char* light : {"RespawnLight01", "RespawnLight02"}) {
            ASSERT_FALSE(LightOn(light)) << "red was sent back at frame " << frame;
        }
        ASSERT_TRUE(Carried(ball)) << "red lost the ball at frame " << frame;
    }
    scripted->SetKey('D', false);
    EXPECT_EQ(1640.0f, CameraX());
    EXPECT_TRUE(OnScreen(Where(red))) << Where(red).x << ", " << Where(red).y;
    EXPECT_EQ(2, IntOf(red, "Scene"));
}

}  // namespace
