#pragma once

#include <string>
#include <vector>

#include "graphics/font.h"
#include "graphics/texture_manager.h"
#include "nodes_effects_fixture.h"

// Menu and selection graphs: objects with bodies, sprites and text, an object-type table that
// knows the menu's buttons, and a few textures under the ids the menus use.
class MenuNodesTest : public EffectsTest {
protected:
    void SetUp() override {
        EffectsTest::SetUp();
        WriteFile("Resources/ObjData/GameObjectType.json",
                  R"({"Default": 0, "Boundary": 8, "Start": 20, "Options": 21, "HowToPlay": 22, "Credits": 23,
                      "Quit": 24, "Back": 25, "Yes": 26, "No": 27, "Next": 28, "Button": 29})");
        GameObject::LoadTypes();
        for (int id : {15, 40, 41, 42, 43, 44, 45, 46, 63, 65, 66, 108}) {
            TextureManager::GetInstance().LoadTexture("Resources/Textures/white.png", id, 1, 1);
        }
    }

    // The object running graph "g" made of `nodes` with `variables`.
    GameObject* Make(const std::vector<graphtext::NodeText>& nodes, const std::string& variables,
                     const std::string& name = "Self") {
        LoadGraph("g", graphtext::Graph(nodes, variables));
        return Spawn(name, "g");
    }
    // A level object with no graph of its own but the given variables.
    GameObject* Thing(const std::string& name, const std::string& type = "Default", const std::string& variables = "{}") {
        LoadGraph("thing_" + name, graphtext::Graph({{0, "DebugNode", {}, {}}}, variables));
        return Spawn(name, "thing_" + name, "{}", type);
    }
    static Font* GiveFont(GameObject* object) {
        auto* font = new Font();
        object->AddComponent(font);
        return font;
    }
    static Sprite& SpriteOf(GameObject* object) { return *object->Get<Sprite>(SPRITE); }
};
