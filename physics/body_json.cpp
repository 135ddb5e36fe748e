#include "core/data_problems.h"
#include "core/game_object.h"
#include "flow/game_state_manager.h"
#include "physics/body.h"
#include "physics/physics.h"

namespace {

// Reads an optional number: absent keeps the field; of another type keeps it and says so.
void ReadNumber(const json::Value& body, const char* key, float& field, const Body& self) {
    const json::Value* value = json::Find(body, key);
    if (!value) return;
    if (!json::GetFloat(value, field)) {
        DataProblems::Report("Body of \"%s\": \"%s\" must be a number, not %s; kept %g\n",
                             self.owner ? self.owner->name.c_str() : "", key, json::TypeName(value), field);
    }
}

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
    ReadNumber(body, "width", width, *this);
    shape->Init(width, height, shape->GetX(), shape->GetY());
    ReadNumber(body, "height", height, *this);
    shape->Init(width, height, shape->GetX(), shape->GetY());
    float x = shape->GetX();
    float y = shape->GetY();
    ReadNumber(body, "x", x, *this);
    ReadNumber(body, "y", y, *this);
    int shapeId = shape->type;
    const json::Value* shapeValue = json::Find(body, "shapeid");
    if (shapeValue && !json::GetInt(shapeValue, shapeId)) {
        DataProblems::Report("Body of \"%s\": \"shapeid\" must be an integer, not %s; shape kept\n",
                             owner ? owner->name.c_str() : "", json::TypeName(shapeValue));
    }
    MakeShape(shapeId);
    shape->Init(width, height, x, y);
    float newMass = mass;
    ReadNumber(body, "mass", newMass, *this);
    SetMass(newMass);
    ReadNumber(body, "bounciness", bounciness, *this);
    ReadNumber(body, "velx", velX, *this);
    ReadNumber(body, "vely", velY, *this);
    ReadNumber(body, "accx", accX, *this);
    ReadNumber(body, "accy", accY, *this);
    ReadNumber(body, "friction", friction, *this);
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
