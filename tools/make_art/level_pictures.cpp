#include "tools/make_art/level_pictures.h"

#include "tools/make_art/palette.h"

namespace {

// An arched wooden door framed in its team's colour, so each team sees which end it defends.
Canvas Door(Colour team) {
    Canvas door(32, 64, kClear);
    door.FillRect(2, 10, 28, 54, kInk);
    door.FillCircle(16, 12, 12, kInk);
    door.FillRect(4, 12, 24, 52, team);
    door.FillCircle(16, 12, 10, team);
    const Colour wood = {132, 86, 48, 255};
    door.FillRect(7, 14, 18, 50, wood);
    door.FillCircle(16, 14, 7, wood);
    for (int x = 11; x < 25; x += 5) door.Line(x, 10, x, 63, {104, 66, 36, 255});
    door.FillRect(20, 38, 3, 3, {240, 210, 90, 255});  // the handle
    return door;
}

// A soft column of light, brightest in the middle and fading towards both sides and the top.
Canvas RespawnLight() {
    Canvas light(16, 64, kClear);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int fromCentre = x < 8 ? 7 - x : x - 8;
            const int alpha = (220 - fromCentre * 28) * (16 + y) / 80;
            if (alpha > 0) light.Set(x, y, {255, 250, 200, static_cast<uint8_t>(alpha)});
        }
    }
    return light;
}

// A plank platform with a grassy top; it repeats along its width.
Canvas Platform() {
    Canvas plank(32, 16, {150, 100, 58, 255});
    plank.FillRect(0, 0, 32, 4, {84, 160, 64, 255});
    plank.FillRect(0, 0, 32, 1, {132, 200, 90, 255});
    plank.FillRect(0, 15, 32, 1, kInk);
    plank.Line(0, 9, 31, 9, {118, 76, 42, 255});
    plank.FillRect(15, 4, 1, 11, {118, 76, 42, 255});
    return plank;
}

// The post that marks the edge between two camera scenes: a striped pole with a pennant.
Canvas Gate() {
    Canvas gate(16, 64, kClear);
    for (int y = 8; y < 64; ++y) gate.FillRect(6, y, 4, 1, (y / 6) % 2 ? Colour{240, 240, 240, 255} : kInk);
    gate.FillCircle(8, 6, 3, {240, 210, 90, 255});
    return gate;
}

}  // namespace

std::vector<Picture> DrawLevelPictures() {
    return {{"door_red.png", Door(kRed)},
            {"door_blue.png", Door(kBlue)},
            {"respawn_light.png", RespawnLight()},
            {"platform.png", Platform()},
            {"gate.png", Gate()}};
}
