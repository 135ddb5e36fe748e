#include "core/data_problems.h"
#include "core/game_object.h"
#include "flow/game_state_manager.h"
#include "physics/body.h"
#include "physics/physics.h"

namespace {

// Only the literal true switches a flag on; an absent key keeps it.
void ReadFlag(const json::Value& body, const char* key, bool& field) {
    if (const json::Value* value = json::Find(body, key)) field = json::IsLiteralTrue(value);
}

}  // namespace

void Body::Unserialize(const json::Member& member) {
    const json::Value& body = member.value;
    if (!body.IsObject()) {
        DataProblems::Report("Body of \"%s\": must be an object, not %s; defaults kept\n",
                             owner ? owner->name.c_str() : "", json::TypeName(&body));
        return;
    }
    // Absent members keep their fields.
    const json::MemberReader read(body, "Body of \"" + (owner ? owner->name : std::string()) + "\"");
    read.Number("width", width);
    shape->Init(width, height, shape->GetX(), shape->GetY());
    read.Number("height", height);
    shape->Init(width, height, shape->GetX(), shape->GetY());
    float x = shape->GetX();
    float y = shape->GetY();
    read.Number("x", x);
    read.Number("y", y);
    int shapeId = shape->type;
    read.Integer("shapeid", shapeId, "shape kept");
    MakeShape(shapeId);
    shape->Init(width, height, x, y);
    float newMass = mass;
    read.Number("mass", newMass);
    SetMass(newMass);
    read.Number("bounciness", bounciness);
    read.Number("velx", velX);
    read.Number("vely", velY);
    read.Number("accx", accX);
    read.Number("accy", accY);
    read.Number("friction", friction);
    const bool wasMoving = isMove;
    ReadFlag(body, "isMove", isMove);
    // A moving body goes to the front of the list (the pair loop starts there); one that stopped
    // moving goes back among the still ones.
    if (isMove || wasMoving) {
        if (Physics* physics = Physics::Current()) physics->AddBody(this);
    }
    ReadFlag(body, "isContact", isContact);
    ReadFlag(body, "isGravity", isGravity);
    const Vec2 gravity = GameStateManager::Instance().gravity;
    gravityX = gravity.x;
    gravityY = gravity.y;
}

void Body::Serialize(json::Writer& writer) const {
    auto number = [&writer](const char* key, double value) {
        writer.Key(key);
        writer.Double(value);
    };
    auto flag = [&writer](const char* key, bool value) {
        writer.Key(key);
        writer.Bool(value);
    };
    writer.StartObject();
    number("x", shape->GetX());
    number("y", shape->GetY());
    number("width", width);
    number("height", height);
    number("mass", mass);
    number("bounciness", bounciness);
    number("velx", velX);
    number("vely", velY);
    number("accx", accX);
    number("accy", accY);
    writer.Key("shapeid");
    writer.Int(shape->type);
    number("friction", friction);
    flag("isMove", isMove);
    flag("isContact", isContact);
    flag("isGravity", isGravity);
    writer.EndObject();
}
