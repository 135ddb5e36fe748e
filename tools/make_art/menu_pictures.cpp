#include "tools/make_art/menu_pictures.h"

#include <cstdint>

#include "tools/make_art/palette.h"
#include "tools/make_art/stage_pictures.h"

namespace {

const Colour kCream = {250, 240, 214, 255};
const Colour kLeaf = {62, 140, 58, 255};

uint8_t Shade(uint8_t value, int delta) {
    const int shaded = value + delta;
    return static_cast<uint8_t>(shaded < 0 ? 0 : (shaded > 255 ? 255 : shaded));
}
Colour Shaded(Colour colour, int delta) {
    return {Shade(colour.r, delta), Shade(colour.g, delta), Shade(colour.b, delta), colour.a};
}

}  // namespace

// A framed panel with a lighter top edge: buttons, boxes and pages share the one look.
Canvas Panel(int width, int height, Colour fill) {
    Canvas panel(width, height, kClear);
    panel.FillRect(1, 0, width - 2, height, kInk);
    panel.FillRect(0, 1, width, height - 2, kInk);
    panel.FillRect(2, 2, width - 4, height - 4, fill);
    panel.FillRect(2, 2, width - 4, 2, Shaded(fill, 40));
    panel.FillRect(2, height - 4, width - 4, 2, Shaded(fill, -40));
    return panel;
}

namespace {

// The title: a bramble stem with thorns under a row of berries, wide enough for the name.
Canvas Logo() {
    Canvas logo(128, 32, kClear);
    logo.FillRect(4, 20, 120, 4, kLeaf);
    for (int x = 8; x < 124; x += 10) logo.Line(x, 20, x + 3, 15, {120, 70, 40, 255});
    for (int x = 12; x < 124; x += 20) {
        logo.FillCircle(x, 10, 4, {180, 40, 80, 255});
        logo.Set(x - 1, 8, {255, 200, 220, 255});
    }
    return logo;
}

// The marker beside the selected entry: a thorn pointing right.
Canvas Marker() {
    Canvas marker(16, 16, kClear);
    for (int x = 0; x < 12; ++x) marker.Line(x + 2, 8 - (12 - x) / 2, x + 2, 8 + (12 - x) / 2, x < 2 ? kInk : kRed);
    return marker;
}

Canvas BlankPortrait() {
    Canvas cell(32, 32, {90, 90, 100, 255});
    cell.FillCircle(16, 14, 6, {130, 130, 140, 255});
    cell.FillRect(13, 22, 6, 3, {130, 130, 140, 255});
    return cell;
}

// A stage: sky over a ground strip, the three told apart by ground and sky colours.
Canvas Stage(Colour sky, Colour ground) {
    Canvas stage(64, 36, sky);
    for (int y = 0; y < 24; y += 6) stage.FillRect(0, y, 64, 3, Shaded(sky, 12));
    stage.FillRect(0, 26, 64, 10, ground);
    stage.FillRect(0, 26, 64, 2, Shaded(ground, 40));
    return stage;
}

Canvas Clouds() {
    Canvas clouds(128, 36, kClear);
    for (int x : {10, 52, 96}) {
        clouds.FillCircle(x, 10, 5, {255, 255, 255, 230});
        clouds.FillCircle(x + 7, 12, 5, {255, 255, 255, 230});
        clouds.FillRect(x - 5, 12, 18, 5, {255, 255, 255, 230});
    }
    return clouds;
}

}  // namespace

std::vector<Picture> DrawMenuPictures() {
    return {{"logo.png", Logo()},
            {"button.png", Panel(48, 16, {236, 176, 80, 255})},
            {"panel.png", Panel(64, 48, kCream)},
            {"marker.png", Marker()},
            {"portrait_blank.png", BlankPortrait()},
            {"stage1.png", Stage({120, 180, 240, 255}, {84, 160, 64, 255})},
            {"stage2.png", Stage({240, 170, 110, 255}, {200, 160, 90, 255})},
            {"stage3.png", Stage({60, 60, 120, 255}, {110, 110, 130, 255})},
            {"stage1_bg.png", BehindTheStage(Stage({120, 180, 240, 255}, {84, 160, 64, 255}))},
            {"stage2_bg.png", Stage({240, 170, 110, 255}, {200, 160, 90, 255})},
            {"clouds.png", Clouds()}};
}
