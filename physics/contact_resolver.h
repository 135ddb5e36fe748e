#pragma once

#include <vector>

#include "physics/contact.h"

class Body;

// Collects the frame's contacts and turns each into one impulse and one position correction.
class ContactResolver {
public:
    static constexpr float kSlop = 0.05f;
    static constexpr float kCorrectionFraction = 0.4f;

    // False (and nothing added) when the pair has no penetration function: pairs with a pillar.
    bool AddContact(Body* a, Body* b);
    // Every contact once, in the order added, then the list is emptied (its storage is kept).
    void ResolveAll();
    static void Resolve(Contact& contact);

    std::vector<Contact> contacts;
};
