#pragma once

#include <vector>

#include "physics/contact.h"

class Body;

// A wall: a still, active body that meets others in contacts. Nothing ever moves it, so a body
// that entered it is put back on its surface and a slide stops against it. Pillars only report.
bool IsWall(const Body& body);

// Collects the frame's contacts and turns each into one impulse and one position correction;
// then a moving body still inside a wall it touched is put back on the wall's surface.
class ContactResolver {
public:
    static constexpr float kSlop = 0.05f;
    static constexpr float kCorrectionFraction = 0.4f;

    // False (and nothing added) when the pair has no penetration function: pairs with a pillar.
    bool AddContact(Body* a, Body* b);
    // Every contact once, in the order added, then the walls push out what is still in them;
    // then the list is emptied (its storage is kept).
    void ResolveAll();
    static void Resolve(Contact& contact);

    std::vector<Contact> contacts;
};
