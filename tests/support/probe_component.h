#pragma once

#include <string>

#include "core/game_component.h"

// A stand-in component for tests of objects and the factory: remembers the settings it read.
template <GAME_COMP Kind>
class ProbeComponent : public IGameComponent {
public:
    ProbeComponent() : IGameComponent(Kind) { ++alive; }
    ~ProbeComponent() override { --alive; }
    IGameComponent* Clone() const override {
        auto* copy = new ProbeComponent();
        copy->value = value;
        copy->hidden = hidden;
        return copy;
    }
    void Unserialize(const json::Member& member) override {
        json::GetString(json::Find(member.value, "value"), value);
    }
    void Serialize(json::Writer& writer) const override {
        writer.StartObject();
        writer.Key("value");
        writer.String(value.c_str());
        writer.EndObject();
    }

    std::string value;
    static inline int alive = 0;
};
