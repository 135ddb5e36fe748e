// An emitter's settings in a level or object file: member "Particle".
#include <utility>

#include "core/data_problems.h"
#include "graphics/particle.h"

namespace {
const char* const kColourKeys[] = {"red", "green", "blue", "alpha"};

// Missing keys read as 0, as the level files expect; a value of another type is reported and
// read the same way.
float Number(const json::Value& object, const char* key) {
    const json::Value* value = json::Find(object, key);
    float result = 0;
    if (value && !json::GetFloat(value, result)) {
        DataProblems::Report("Particle: \"%s\" must be a number, not %s; 0 used\n", key, json::TypeName(value));
    }
    return result;
}

int Integer(const json::Value& object, const char* key) {
    const json::Value* value = json::Find(object, key);
    int result = 0;
    if (value && !json::GetInt(value, result)) {
        DataProblems::Report("Particle: \"%s\" must be an integer, not %s; 0 used\n", key, json::TypeName(value));
    }
    return result;
}
}  // namespace

void Particle::Unserialize(const json::Member& member) {
    if (!member.value.IsObject()) {
        DataProblems::Report("Particle: the settings must be an object, not %s; defaults kept\n",
                             json::TypeName(&member.value));
        return;
    }
    const json::Value& in = member.value;
    const int count = Integer(in, "amount");
    const float x = Number(in, "posX"), y = Number(in, "posY");
    const float sx = Number(in, "scaleX"), sy = Number(in, "scaleY");
    const float vx = Number(in, "velX"), vy = Number(in, "velY");
    const float l = Number(in, "life");
    dir = Number(in, "dir");
    offset = Number(in, "offset");
    float colour[4];
    for (int i = 0; i < 4; ++i) colour[i] = Number(in, kColourKeys[i]);
    SetAmount(count);
    SetPosition(x, y);
    SetScale(sx, sy);
    SetVelocity(vx, vy);
    SetLife(l);
    SetColour(colour);
}

void Particle::Serialize(json::Writer& writer) const {
    writer.StartObject();
    writer.Key("amount");
    writer.Int(amount);
    const std::pair<const char*, float> numbers[] = {{"posX", posX},     {"posY", posY}, {"scaleX", scaleX},
                                                     {"scaleY", scaleY}, {"velX", velX}, {"velY", velY},
                                                     {"life", life},     {"dir", dir},   {"offset", offset}};
    for (const auto& [key, value] : numbers) {
        writer.Key(key);
        writer.Double(value);
    }
    for (int i = 0; i < 4; ++i) {
        writer.Key(kColourKeys[i]);
        writer.Double(rgba[i]);
    }
    writer.EndObject();
}
