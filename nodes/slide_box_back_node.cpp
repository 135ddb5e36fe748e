#include "graph/node_registry.h"
#include "nodes/slide_box.h"

namespace {
// Slides an opened box back home and marks it "Translated" there; a box already marked stays
// hidden.
class SlideBoxBackNode : public SlideBoxNodeBase<SlideBoxBackNode> {
public:
    SlideBoxBackNode() : SlideBoxNodeBase(kSlideBoxBackNode) {}

    int Execute(AI_Component* ctx) override {
        const SlideBox box(*this, ctx);
        if (!box.Ready()) return RunOutput(0, ctx);
        if (*box.translated) {
            box.sprite->state.rgba[3] = 0;
        } else if (static_cast<float>(*box.current) <= 0) {
            *box.translated = true;
        } else {
            box.Step(-1);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSlideBoxBackNode() { RegisterNode<SlideBoxBackNode>("SlideBoxBackNode"); }
