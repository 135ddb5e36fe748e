#include "graph/ai_component.h"

#include "graph/ai_manager.h"
#include "graph/behaviour_tree.h"
#include "graph/node_helpers.h"
#include "graph/variable_store_json.h"

AI_Component::AI_Component() : IGameComponent(AI_COMPONENT) {
    if (AI_Manager* manager = TheAiManager()) manager->AddComponent(this);
}

AI_Component::~AI_Component() {
    if (AI_Manager* manager = TheAiManager()) manager->RemoveComponent(this);
}

IGameComponent* AI_Component::Clone() const {
    auto* copy = new AI_Component();
    copy->tree = tree;
    if (tree) {
        copy->store = tree->CloneDefaultStore();
        copy->store->CopyFrom(store.get());
    }
    return copy;
}

void AI_Component::Unserialize(const json::Member& member) {
    std::string typeName;
    json::GetString(json::Find(member.value, "AI_Type"), typeName);
    AI_Manager* manager = TheAiManager();
    tree = manager ? manager->registry.FindByName(typeName) : nullptr;
    store.reset();
    if (!tree) return;
    store = tree->CloneDefaultStore();
    ReadVariableStore(member.value, store.get(), "InputNodeStruct", "AI_Component \"" + typeName + "\"");
}

void AI_Component::Serialize(json::Writer& writer) const {
    json::Document document(rapidjson::kObjectType);
    auto& allocator = document.GetAllocator();
    const std::string typeName = tree ? tree->name : std::string();
    document.AddMember("AI_Type", json::Value(typeName.c_str(), allocator), allocator);
    if (tree && store) {
        json::Value variables;
        WriteVariableStore(variables, allocator, store.get());
        document.AddMember("InputNodeStruct", variables, allocator);
    }
    document.Accept(writer);
}
