// An emitter's settings in a level or object file: member "Particle".
#include <utility>

#include "core/data_problems.h"
#include "graphics/particle.h"

namespace {
const char* const kColourKeys[] = {"red", "green", "blue", "alpha"};

}  // namespace

void Particle::Unserialize(const json::Member& member) {
    if (!member.value.IsObject()) {
        DataProblems::Report("Particle: the settings must be an object, not %s; defaults kept\n",
                             json::TypeName(&member.value));
        return;
    }
    // Missing keys read as 0, as the level files expect.
    const json::MemberReader in(member.value, "Particle");
    const int count = in.Integer("amount");
    const float x = in.Number("posX"), y = in.Number("posY");
    const float sx = in.Number("scaleX"), sy = in.Number("scaleY");
    const float vx = in.Number("velX"), vy = in.Number("velY");
    const float l = in.Number("life");
    dir = in.Number("dir");
    offset = in.Number("offset");
    float colour[4];
    for (int i = 0; i < 4; ++i) colour[i] = in.Number(kColourKeys[i]);
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
