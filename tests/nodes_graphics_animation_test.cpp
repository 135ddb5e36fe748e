// Animation and texture nodes: which animation and which sheet a sprite shows.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "graphics/texture_manager.h"
#include "nodes_graphics_fixture.h"

namespace {

using namespace graphtext;

class AnimationNodes : public LookNodesTest {
protected:
    static constexpr unsigned kBefore = 7;  // the animation a sprite shows before the run
};

TEST_F(AnimationNodes, ChangeAnimationWaitsForItsTimeWhenItHasOne) {
    struct Case {
        const char* situation;
        bool idBound, fixedBound, currentBound;
        int id;
        double fixed, current;
        unsigned shown;
    } cases[] = {
        {"time not yet passed", true, true, true, 2, 0.5, 0.5, kBefore},
        {"time passed", true, true, true, 2, 0.5, 0.6, 2},
        {"no fixed time: at once", true, false, true, 2, 0.5, 0.0, 2},
        {"no current time: at once", true, true, false, 2, 0.5, 0.0, 2},
        {"no animation bound", false, false, false, 2, 0, 0, kBefore},
        {"a negative animation", true, false, false, -1, 0, 0, kBefore},
    };
    const std::string variables = R"({"int": {"0": {"name": "id", "val": 0}},
        "double": {"0": {"name": "fixed", "val": 0}, "1": {"name": "current", "val": 0}}})";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* self = Looker(Graph({{0, "ChangeAnimationNode", {}, {c.idBound ? In("int", 0) : "",
                                                                        c.fixedBound ? In("double", 0) : "",
                                                                        c.currentBound ? In("double", 1) : ""}}},
                                        variables));
        Var<int>(self, "id") = c.id;
        Var<double>(self, "fixed") = c.fixed;
        Var<double>(self, "current") = c.current;
        SpriteOf(self).state.animId = kBefore;
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(c.shown, SpriteOf(self).state.animId);
        EXPECT_EQ(c.current, Var<double>(self, "current"));
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(AnimationNodes, OtherObjectsAnimationsAreSetAndCycled) {
    struct Case {
        const char* situation;
        const char* node;
        bool objectBound;
        bool withSprite;
        int index, limit;  // "Index" / "currentindex" (INT_MIN: unbound), "limit" (INT_MIN: unbound)
        unsigned shown;
        int stored;
    } cases[] = {
        {"set", "ChangeObjAnimNode", true, true, 3, 0, 3, 3},
        {"set without an index", "ChangeObjAnimNode", true, true, INT_MIN, 0, kBefore, INT_MIN},
        {"set without an object", "ChangeObjAnimNode", false, true, 3, 0, kBefore, 3},
        {"set on an object without a sprite", "ChangeObjAnimNode", true, false, 3, 0, kBefore, 3},
        {"cycle onwards", "ToggleAnimationNode", true, true, 0, 3, 1, 1},
        {"cycle round to the first", "ToggleAnimationNode", true, true, 2, 3, 0, 0},
        {"cycle from the last int", "ToggleAnimationNode", true, true, INT_MAX, 3, 2, 2},
        {"a negative index keeps its sign", "ToggleAnimationNode", true, true, -5, 3, kBefore, -1},
        {"a limit of 0", "ToggleAnimationNode", true, true, 2, 0, kBefore, 2},
        {"no limit", "ToggleAnimationNode", true, true, 2, INT_MIN, kBefore, 2},
        {"cycle without an object", "ToggleAnimationNode", false, true, 2, 3, kBefore, 2},
        {"cycle on an object without a sprite", "ToggleAnimationNode", true, false, 2, 3, kBefore, 2},
    };
    const std::string variables = R"({"int": {"0": {"name": "index", "val": 0}, "1": {"name": "limit", "val": 0}},
                                      "GameObject*": {"0": {"name": "prop"}}})";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        const std::string object = c.objectBound ? In("GameObject*", 0) : "";
        const std::string index = c.index != INT_MIN ? In("int", 0) : "";
        const std::vector<std::string> ins =
            std::string(c.node) == "ChangeObjAnimNode"
                ? std::vector<std::string>{object, index}
                : std::vector<std::string>{object, index, c.limit != INT_MIN ? In("int", 1) : ""};
        GameObject* self = Looker(Graph({{0, c.node, {}, ins}}, variables));
        GameObject* prop = Prop("Prop");
        Var<GameObject*>(self, "prop") = prop;
        Var<int>(self, "index") = c.index;
        Var<int>(self, "limit") = c.limit;
        SpriteOf(prop).state.animId = SpriteOf(self).state.animId = kBefore;
        if (!c.withSprite) Hide(prop, SPRITE);
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(c.shown, static_cast<Sprite*>(prop->components[SPRITE])->state.animId);
        EXPECT_EQ(c.stored, Var<int>(self, "index"));
        EXPECT_EQ(kBefore, SpriteOf(self).state.animId);
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(AnimationNodes, ASheetIsSwappedOncePerGrabAndDrop) {
    TextureManager& textures = TextureManager::GetInstance();
    ASSERT_TRUE(textures.LoadTexture("Resources/Textures/cells.png", 2, 2, 4));
    ASSERT_TRUE(textures.LoadTexture("Resources/Textures/white.png", 5, 1, 1));
    const std::string variables = R"({"int": {"0": {"name": "normal", "val": 5}, "1": {"name": "withBall", "val": 2}},
        "bool": {"0": {"name": "grab", "val": false}, "1": {"name": "shown", "val": false}}})";
    GameObject* self = Looker(Graph(
        {{0, "ChangeTextureNode", {}, {In("bool", 0), In("int", 0), In("int", 1), In("bool", 1)}}}, variables));
    Sprite& sprite = SpriteOf(self);
    sprite.SetTexture(5);
    struct Frame {
        bool grab;
        unsigned texture;
        unsigned animation;  // set to 3 before every frame; a swap starts the sheet's first
    } frames[] = {{false, 5, 3}, {true, 2, 0}, {true, 2, 3}, {true, 2, 3}, {false, 5, 0}, {false, 5, 3}};
    for (const Frame& f : frames) {
        Var<bool>(self, "grab") = f.grab;
        sprite.state.animId = 3;
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(f.texture, sprite.state.textureId);
        EXPECT_EQ(f.animation, sprite.state.animId);
        EXPECT_EQ(f.grab, Var<bool>(self, "shown"));
    }
    EXPECT_FLOAT_EQ(1.0f, sprite.state.u);

    // A sheet id that names no texture leaves the sheet, though the grab is taken as shown.
    Var<int>(self, "withBall") = -2;
    Var<bool>(self, "grab") = true;
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ(5u, sprite.state.textureId);
    EXPECT_TRUE(Var<bool>(self, "shown"));
}

}  // namespace
