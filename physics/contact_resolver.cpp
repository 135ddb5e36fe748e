#include "physics/contact_resolver.h"

#include <algorithm>

#include "physics/body.h"
#include "physics/penetration.h"
#include "physics/vector_math.h"

namespace {

// The contacts move a body only part of the way out of what it entered, and a later contact
// may push it back in, so one shoved from behind frame after frame (a player in a pile against
// a closed edge) would sink ever deeper into the wall and out of view. A wall gives way to no
// push: the body goes back on its surface.
void PushOutOfWall(Body& body, const Body& wall) {
    const Vec2 into = Penetration(body, wall).value_or(Vec2());
    if (Length(into) > ContactResolver::kSlop) body.shape->SetPosition(body.Position() - into);
}

}  // namespace

bool IsWall(const Body& body) {
    return body.active && !body.isMove && body.isContact && body.shape->type != PILLAR_SHAPE;
}

bool ContactResolver::AddContact(Body* a, Body* b) {
    const std::optional<Vec2> p = Penetration(*a, *b);
    if (!p) return false;
    contacts.push_back({a, b, Length(*p), NormalisedOrZero(*p)});
    return true;
}

void ContactResolver::Resolve(Contact& contact) {
    Body& a = *contact.a;
    Body& b = *contact.b;
    const float approach = Dot(b.Velocity() - a.Velocity(), contact.normal);
    if (approach > 0) return;  // already separating
    const float inverseMasses = a.invMass + b.invMass;
    if (inverseMasses == 0) return;
    const float restitution = std::max(a.bounciness, b.bounciness);
    const float j = -(restitution + 1) * approach / inverseMasses;
    const Vec2 impulse = contact.normal * j;
    a.velX -= impulse.x * a.invMass;
    a.velY -= impulse.y * a.invMass;
    b.velX += impulse.x * b.invMass;
    b.velY += impulse.y * b.invMass;
    // A contact at rest has a zero impulse, and so no direction to correct along.
    contact.normal = NormalisedOrZero(impulse);
    const float k = std::max(contact.depth - kSlop, 0.0f) / inverseMasses * kCorrectionFraction;
    const Vec2 correction = contact.normal * k;
    if (a.isMove) a.shape->SetPosition(a.Position() - correction * a.invMass);
    if (b.isMove) b.shape->SetPosition(b.Position() + correction * b.invMass);
}

void ContactResolver::ResolveAll() {
    for (Contact& contact : contacts) Resolve(contact);
    for (const Contact& contact : contacts) {
        if (contact.a->isMove && IsWall(*contact.b)) PushOutOfWall(*contact.a, *contact.b);
        if (contact.b->isMove && IsWall(*contact.a)) PushOutOfWall(*contact.b, *contact.a);
    }
    contacts.clear();
}
