#pragma once

#include "core/game_object.h"
#include "graph/data_carrier.h"
#include "graph/node.h"

// A node that keeps the object the node before it handed over (an attacker's target, the
// ball a character touched). The object stays until another arrives; a carrier of another
// kind hands over nothing.
template <class Base>
class ReceivesObject : public Base {
public:
    using Base::Base;

    void SetData(DataTransBase* carrier) override { ReceiveValue(carrier, receivedObject); }

    GameObject* receivedObject = nullptr;
};
