#include <string>

#include "graph/ai_manager.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "physics/body.h"

namespace {
// Button types in the order they are tried, with the output each takes.
constexpr struct {
    const char* type;
    int output;
} kButtons[] = {{"Start", 0}, {"Options", 9}, {"HowToPlay", 1}, {"Credits", 2},
                {"Quit", 3},  {"Back", 4},    {"Yes", 6},       {"No", 7}};
constexpr int kNoClick = 5;
constexpr int kNext = 8;

// Held down, a "Next" button turns one page, not one page a frame. Shared by every such node,
// as there is one mouse.
bool nextLatch = false;

// Which menu button the mouse holds. Other buttons answer every frame they are held.
class IsClickedNode : public Node<IsClickedNode> {
public:
    IsClickedNode()
        : Node(kIsClickedNode,
               {"Start", "How To Play", "Credits", "Quit", "Back", "No Click", "Yes", "No", "Next", "Options"}, {}) {}

    int Execute(AI_Component* ctx) override {
        AI_Manager* ai = TheAiManager();
        const GameObject* picked = ai && ai->pickedBody ? ai->pickedBody->owner : nullptr;
        if (!picked) {
            nextLatch = false;
            return RunOutput(kNoClick, ctx);
        }
        for (const auto& button : kButtons) {
            if (picked->typeId == GameObject::LookUpTypeId(button.type)) return RunOutput(button.output, ctx);
        }
        if (picked->typeId == GameObject::LookUpTypeId("Next")) {
            if (nextLatch) return RunOutput(kNoClick, ctx);
            nextLatch = true;
            return RunOutput(kNext, ctx);
        }
        nextLatch = false;
        return RunOutput(kNoClick, ctx);
    }
};
}  // namespace

void RegisterIsClickedNode() { RegisterNode<IsClickedNode>("IsClickedNode"); }
