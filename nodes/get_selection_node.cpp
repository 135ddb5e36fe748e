#include "graph/behaviour_tree.h"
#include "graph/node_registry.h"
#include "graph/node_helpers.h"
#include "nodes/menu_item_node.h"

namespace {
// Follows the menu item that another object's graph keeps in its graph-wide "Selection".
// Nothing runs when the holder, its graph or the variable is missing, or when "Selection"
// names no menu item.
class GetSelectionNode : public MenuItemNode<GetSelectionNode> {
public:
    GetSelectionNode() : MenuItemNode(kGetSelectionNode, {{"MENU_AI_HOLDER", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* holder = GetInput<GameObject*>(0, ctx);
        if (!holder || !*holder) return 0;
        const AI_Component* component = (*holder)->Get<AI_Component>(AI_COMPONENT);
        if (!component || !component->tree) return 0;
        const int* item = LookupVariableByName<int>(component->tree->globalStore.get(), "Selection");
        if (!item || *item < 0 || *item >= kMenuItemCount) return 0;
        return RunOutput(*item, ctx);
    }
};
}  // namespace

void RegisterGetSelectionNode() { RegisterNode<GetSelectionNode>("GetSelectionNode"); }
