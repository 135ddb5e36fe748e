#pragma once

#include "core/vector2d.h"
#include "graph/data_carrier.h"
#include "graph/node.h"

// A node that keeps the last position the node before it handed over; (0, 0) until one
// arrives. A carrier of another kind hands over nothing.
template <class Base>
class ReceivesPosition : public Base {
public:
    using Base::Base;

    void SetData(DataTransBase* carrier) override { ReceiveValue(carrier, receivedPos); }

    Vec2 receivedPos;
};
