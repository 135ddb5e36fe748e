#include "physics/contact_resolver.h"

#include <algorithm>

#include "physics/body.h"
#include "physics/penetration.h"
#include "physics/vector_math.h"

bool ContactResolver::AddContact(Body* a, Body* b) {
    const PenetrationFunction penetration = PenetrationTable()[a->shape->type * kShapeTypes + b->shape->type];
    if (!penetration) return false;
    const Vec2 p = penetration(*a, *b);
    contacts.push_back({a, b, Length(p), NormalisedOrZero(p)});
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
    contacts.clear();
}
