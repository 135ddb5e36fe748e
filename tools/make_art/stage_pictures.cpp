#include "tools/make_art/stage_pictures.h"

#include "tools/make_art/palette.h"

namespace {

Colour Mix(Colour a, Colour b, int step, int steps) {
    const auto blend = [&](uint8_t x, uint8_t y) { return static_cast<uint8_t>(x + (y - x) * step / steps); };
    return {blend(a.r, b.r), blend(a.g, b.g), blend(a.b, b.b), 255};
}

// Evening desert: a warm sky fading to orange, a low sun and two rows of dunes. Wide enough
// to lie behind all three camera scenes.
Canvas DesertSky() {
    Canvas sky(192, 36);
    for (int y = 0; y < 36; ++y) sky.FillRect(0, y, 192, 1, Mix({250, 190, 120, 255}, {246, 130, 80, 255}, y, 35));
    sky.FillCircle(120, 16, 6, {255, 236, 170, 255});
    for (int x = 0; x < 192; ++x) {
        const int far = 26 + (x * 7 / 11 + x / 5) % 9 / 3;
        sky.FillRect(x, far, 1, 36 - far, {220, 150, 96, 255});
        const int nearTop = 30 + ((x / 16) % 2 ? (x % 16) / 6 : 2 - (x % 16) / 8);
        sky.FillRect(x, nearTop, 1, 36 - nearTop, {206, 132, 78, 255});
    }
    return sky;
}

// Sand with darker ripples; repeats along the ground.
Canvas Sand() {
    Canvas tile(32, 32, {222, 178, 110, 255});
    tile.FillRect(0, 0, 32, 2, {244, 208, 142, 255});
    for (int row = 8; row < 32; row += 8) {
        for (int x = 0; x < 32; ++x) tile.Set(x, row + (x / 4) % 2, {196, 150, 88, 255});
    }
    tile.FillRect(6, 18, 2, 2, {170, 120, 70, 255});
    tile.FillRect(24, 27, 2, 1, {170, 120, 70, 255});
    return tile;
}

// A sandstone ledge with a lighter lip; repeats along its width.
Canvas Sandstone() {
    Canvas ledge(32, 16, {188, 120, 72, 255});
    ledge.FillRect(0, 0, 32, 3, {232, 168, 106, 255});
    ledge.FillRect(0, 15, 32, 1, kInk);
    ledge.Line(0, 8, 31, 8, {160, 98, 58, 255});
    ledge.FillRect(10, 3, 1, 5, {160, 98, 58, 255});
    ledge.FillRect(24, 9, 1, 6, {160, 98, 58, 255});
    return ledge;
}

// A round cactus with two arms, spines and a flower on top.
Canvas Cactus() {
    Canvas cactus(32, 48, kClear);
    const Colour skin = {70, 150, 70, 255};
    const Colour shade = {46, 112, 52, 255};
    cactus.FillRect(9, 8, 14, 40, kInk);
    cactus.FillRect(10, 9, 12, 39, skin);
    cactus.FillRect(2, 18, 7, 4, kInk);
    cactus.FillRect(2, 10, 4, 10, kInk);
    cactus.FillRect(3, 11, 2, 9, skin);
    cactus.FillRect(23, 24, 7, 4, kInk);
    cactus.FillRect(26, 14, 4, 12, kInk);
    cactus.FillRect(27, 15, 2, 11, skin);
    for (int y = 12; y < 46; y += 4) {
        cactus.Set(13, y, shade);
        cactus.Set(18, y + 2, shade);
        cactus.Set(8, y + 1, {250, 250, 230, 255});
        cactus.Set(23, y + 3, {250, 250, 230, 255});
    }
    cactus.FillCircle(16, 6, 4, {236, 80, 130, 255});
    cactus.FillCircle(16, 6, 1, {255, 220, 90, 255});
    return cactus;
}

// A moonlit lagoon sky: deep blue to violet, a crescent moon and a scatter of stars.
Canvas NightSky() {
    Canvas sky(192, 36);
    for (int y = 0; y < 36; ++y) sky.FillRect(0, y, 192, 1, Mix({24, 28, 70, 255}, {84, 70, 140, 255}, y, 35));
    // Discs of radius r take the points within r * (r + 1) of their centre, which keeps lone
    // pixels off the crescent's tips.
    const int moonX = 40, moonY = 9;
    const auto within = [](int dx, int dy, int radius) { return dx * dx + dy * dy <= radius * (radius + 1); };
    for (int star = 0; star < 40; ++star) {
        const int x = (star * 53) % 192, y = (star * 29) % 24;
        // A star touching the moon's back would read as a bump on the crescent.
        if (!within(x - moonX, y - moonY, 6)) sky.Set(x, y, {240, 240, 255, 255});
    }
    // Only the lit part is painted, so the sky itself shows in the bite: a dark disc laid over
    // the moon would never match the gradient behind it.
    for (int dy = -5; dy <= 5; ++dy) {
        for (int dx = -5; dx <= 5; ++dx) {
            if (within(dx, dy, 5) && !within(dx - 2, dy + 1, 4)) sky.Set(moonX + dx, moonY + dy, {240, 236, 210, 255});
        }
    }
    sky.FillRect(0, 30, 192, 6, {40, 60, 120, 255});
    return sky;
}

// Far isles on a clear strip: the layer that drifts behind play.
Canvas Isles() {
    Canvas isles(128, 24, kClear);
    for (int isle = 0; isle < 4; ++isle) {
        const int x = 10 + isle * 32;
        isles.FillCircle(x + 6, 16, 6 + isle % 2 * 2, {54, 50, 110, 255});
        isles.FillRect(x - 2, 16, 18 + isle % 2 * 4, 8, {54, 50, 110, 255});
        isles.FillRect(x + 5, 6 - isle % 2 * 2, 1, 6, {70, 66, 130, 255});
    }
    return isles;
}

// Pale stone with moss in the cracks; repeats along the ground.
Canvas Shore() {
    Canvas tile(32, 32, {96, 104, 140, 255});
    tile.FillRect(0, 0, 32, 3, {150, 200, 190, 255});
    for (int y = 8; y < 32; y += 10) tile.Line(0, y, 31, y + 2, {72, 78, 112, 255});
    tile.FillRect(12, 14, 2, 2, {110, 170, 150, 255});
    return tile;
}

// A ledge of pale crystal; repeats along its width.
Canvas Crystal() {
    Canvas ledge(32, 16, {120, 170, 220, 255});
    ledge.FillRect(0, 0, 32, 3, {200, 236, 255, 255});
    ledge.FillRect(0, 15, 32, 1, kInk);
    for (int x = 0; x < 32; x += 8) ledge.Line(x, 3, x + 6, 14, {90, 130, 190, 255});
    return ledge;
}

// A soap bubble: a thin rim, a tint and a shine, clear inside.
Canvas Bubble() {
    Canvas bubble(32, 32, kClear);
    bubble.FillCircle(16, 16, 15, {170, 220, 255, 230});
    bubble.FillCircle(16, 16, 13, {150, 200, 250, 90});
    bubble.FillCircle(10, 10, 3, {255, 255, 255, 220});
    bubble.FillCircle(21, 23, 1, {255, 255, 255, 180});
    return bubble;
}

}  // namespace

Canvas BehindTheStage(const Canvas& picture) {
    const int columnUnits = 3840 / picture.Width(), rowUnits = 720 / picture.Height();
    return picture.Extended(120 / columnUnits, 40 / rowUnits);
}

std::vector<Picture> DrawStagePictures() {
    return {{"desert_sky.png", BehindTheStage(DesertSky())},
            {"sand.png", Sand()},
            {"sandstone.png", Sandstone()},
            {"cactus.png", Cactus()},
            {"night_sky.png", BehindTheStage(NightSky())},
            {"shore.png", Shore()},
            {"crystal.png", Crystal()},
            {"bubble.png", Bubble()},
            {"isles.png", Isles()}};
}
