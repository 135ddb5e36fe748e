#pragma once

#include <string>

#include "graph_fixture.h"
#include "graphics/font.h"
#include "graphics/sprite.h"

// Objects with a sprite and a text of their own, running one small graph "looks".
class LookNodesTest : public GraphTest {
protected:
    GameObject* Looker(const std::string& graph, const std::string& variables = "{}",
                       const std::string& name = "Looker") {
        LoadGraph("looks", graph);
        return Dress(Spawn(name, "looks", variables));
    }
    static GameObject* Dress(GameObject* object) {
        object->AddComponent(new Sprite());
        object->AddComponent(new Font());
        return object;
    }
    // An object of the level with a sprite and no graph.
    GameObject* Prop(const std::string& name) {
        auto& map = GameStateManager::Instance().objectMaps[1];
        GameObject* object = map[factory->CreateGameObject(map)];
        object->name = name;
        object->AddComponent(new Sprite());
        return object;
    }
    static Sprite& SpriteOf(GameObject* object) { return *object->Get<Sprite>(SPRITE); }
    static Font& FontOf(GameObject* object) { return *object->Get<Font>(FONT); }
    static void Hide(GameObject* object, GAME_COMP kind) { object->components[kind]->hidden = true; }
    static void Remove(GameObject* object, GAME_COMP kind) {
        delete object->components[kind];
        object->components[kind] = nullptr;
    }
};
