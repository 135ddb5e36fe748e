#pragma once

#include <string>

#include "audio/sound_system.h"
#include "graph/node.h"

// A step over one named sound of the sound list: when "Sound Name" is bound, Derived::Act
// gets the sound system and the name; the chain goes on through "Next" either way. Unknown
// names and the game's pause are the sound system's business.
template <class Derived>
class SoundNameNode : public Node<Derived> {
public:
    explicit SoundNameNode(NODE_TYPE type) : Node<Derived>(type, {"Next"}, {{"Sound Name", VT_STRING}}) {}

    int Execute(AI_Component* ctx) override {
        if (const std::string* name = this->template GetInput<std::string>(0, ctx)) {
            Derived::Act(SoundSystem::GetInstance(), *name);
        }
        return this->RunOutput(0, ctx);
    }
};
