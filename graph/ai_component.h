#pragma once

#include <memory>

#include "core/game_component.h"
#include "graph/variable_store.h"

class BehaviourTree;

// Makes its object run a behaviour graph every frame, with the object's own variables.
class AI_Component : public IGameComponent {
public:
    AI_Component();
    ~AI_Component() override;

    // The same graph; the variables start from the graph's template and take this
    // component's values by name.
    IGameComponent* Clone() const override;
    // "AI_Type" names the graph; "InputNodeStruct" overrides its variables for this object.
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;

    // Not owned; null when "AI_Type" names no loaded graph (the component then never runs).
    BehaviourTree* tree = nullptr;
    std::unique_ptr<VariableStore> store;
};
