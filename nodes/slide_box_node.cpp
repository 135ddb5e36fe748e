#include "graph/node_registry.h"
#include "nodes/slide_box.h"

namespace {
// Slides the box out until it has moved its own width, then (once "Translated" is set, here or
// by another graph) back until it is home, where it disappears.
class SlideBoxNode : public SlideBoxNodeBase<SlideBoxNode> {
public:
    SlideBoxNode() : SlideBoxNodeBase(kSlideBoxNode) {}

    int Execute(AI_Component* ctx) override {
        const SlideBox box(*this, ctx);
        if (!box.Ready()) return RunOutput(0, ctx);
        const float travelled = static_cast<float>(*box.current);
        if (*box.translated) {
            if (travelled <= 0) {
                box.sprite->state.rgba[3] = 0;
                return RunOutput(0, ctx);
            }
            box.Step(-1);
        } else {
            box.sprite->state.rgba[3] = 1.0f;
            if (travelled >= box.sprite->width) {
                *box.translated = true;
                return RunOutput(0, ctx);
            }
            box.Step(+1);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSlideBoxNode() { RegisterNode<SlideBoxNode>("SlideBoxNode"); }
