#pragma once

#include <cmath>
#include <limits>

#include "graph/behaviour_tree.h"
#include "graph/node.h"
#include "nodes/look_components.h"

// Whether a display node has something new to show. Numbers count as changed when they moved
// by more than float's epsilon either way, so a falling score refreshes the text as a rising
// one does; an object is shown on every run that has one.
template <class Shown>
bool ShownValueChanged(const Shown& now, const Shown& last) {
    return now != last;
}
inline bool ShownValueChanged(float now, float last) {
    return std::fabs(now - last) > std::numeric_limits<float>::epsilon();
}
inline bool ShownValueChanged(const Vec2& now, const Vec2& last) {
    return ShownValueChanged(now.x, last.x) || ShownValueChanged(now.y, last.y);
}
inline bool ShownValueChanged(GameObject* now, GameObject* /*last*/) { return now != nullptr; }

// Puts "Value" at position "Sequence" of the running object's text values when it changed,
// and asks the text to refresh. The value last written lives in the node, so it is shared by
// every object running the graph. Anything missing writes nothing, nor does a position the
// text refuses (the graph reports that once); the chain always goes on.
// Derived::ToShown turns the graph's value into the text's.
template <class Derived, class Value, class Shown = Value>
class DisplayVarNode : public Node<Derived> {
public:
    explicit DisplayVarNode(NODE_TYPE type)
        : Node<Derived>(type, {"Next Action"},
                        {{"Sequence", VT_INT}, {"Value", static_cast<ValueType>(ValueTypeOf<Value>::code)}}) {}

    int Execute(AI_Component* ctx) override {
        const int* sequence = this->template GetInput<int>(0, ctx);
        const Value* value = this->template GetInput<Value>(1, ctx);
        Font* font = OwnerFont(ctx);
        if (sequence && value && font && *sequence >= 0) {
            const Shown shown = Derived::ToShown(*value);
            if (ShownValueChanged(shown, last_)) {
                if (font->SetShownValue(*sequence, shown)) {
                    last_ = shown;
                    font->needsRefresh = true;
                } else if (this->owner) {
                    this->owner->ReportOnce(RunProblem::kShownPositionCut,
                                            "a text position of " + std::to_string(*sequence) + " is beyond " +
                                                std::to_string(TextValues::kMaxPosition) + " and was not shown");
                }
            }
        }
        return this->RunOutput(0, ctx);
    }

    static Shown ToShown(const Value& value) { return value; }

private:
    Shown last_{};
};
