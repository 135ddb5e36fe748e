#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// The stages in the order the players step through them, with the preview picture the
// selection shows and the background the level itself will use.
struct Stage {
    GameState state;
    unsigned preview;
    int background;
};
constexpr Stage kStages[] = {{Level_1, 65, 15}, {Level_2, 66, 63}, {Level_3, 108, 108}};
constexpr int kStageCount = 3;

int StageIndex(GameState state) {
    for (int i = 0; i < kStageCount; ++i) {
        if (kStages[i].state == state) return i;
    }
    return -1;
}

// Steps the chosen stage forward or back, round in a ring; a stage that is none of the three
// counts as the one before Level_1. The preview and the level's "bg_texture" follow where they
// exist. Without a direction or a stage variable, nothing moves and the chain stops.
class SelectStageNode : public Node<SelectStageNode> {
public:
    SelectStageNode()
        : Node(kSelectStageNode, {"Next"},
               {{"inc/dec", VT_BOOL}, {"stage_no", VT_GAME_STATE}, {"background", VT_GAME_OBJECT}, {"levelobj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* forward = GetInput<bool>(0, ctx);
        GameState* stage = GetInput<GameState>(1, ctx);
        if (!forward || !stage) return 0;
        const int index = StageIndex(*stage);
        int next = 0;
        if (*forward) {
            next = index < 0 ? 0 : (index + 1) % kStageCount;
        } else {
            next = index < 0 ? 1 : (index + kStageCount - 1) % kStageCount;
        }
        const Stage& chosen = kStages[next];
        *stage = chosen.state;
        GameObject* const* background = GetInput<GameObject*>(2, ctx);
        if (Sprite* sprite = SpriteOf(background ? *background : nullptr)) sprite->SetTexture(chosen.preview);
        GameObject* const* level = GetInput<GameObject*>(3, ctx);
        if (int* bg = ObjectVariable<int>(level ? *level : nullptr, "bg_texture")) *bg = chosen.background;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSelectStageNode() { RegisterNode<SelectStageNode>("SelectStageNode"); }
