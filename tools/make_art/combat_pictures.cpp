#include "tools/make_art/combat_pictures.h"

#include <string>

#include "tools/make_art/palette.h"

namespace {

Colour Lighter(Colour c) {
    const auto up = [](uint8_t v) { return static_cast<uint8_t>(v + (255 - v) / 2); };
    return {up(c.r), up(c.g), up(c.b), 255};
}

// The Lady's fan wave: a crescent opening to the right (the game mirrors it to face left).
Canvas FanWave(Colour team) {
    Canvas wave(16, 16, kClear);
    wave.FillCircle(7, 8, 7, kInk);
    wave.FillCircle(7, 8, 6, team);
    wave.FillCircle(8, 8, 4, Lighter(team));
    wave.FillCircle(4, 8, 6, kClear);
    return wave;
}

// The Boxer's punch: a glove with its cuff, knuckles to the right.
Canvas Glove(Colour team) {
    Canvas glove(16, 16, kClear);
    glove.FillRect(1, 5, 5, 6, kInk);
    glove.FillRect(2, 6, 4, 4, {240, 240, 240, 255});
    glove.FillCircle(10, 8, 5, kInk);
    glove.FillCircle(10, 8, 4, team);
    glove.FillRect(11, 5, 2, 2, Lighter(team));
    return glove;
}

// The Ninja's throwing star: four points round a hole.
Canvas Star(Colour team) {
    Canvas star(16, 16, kClear);
    star.FillRect(7, 1, 2, 14, kInk);
    star.FillRect(1, 7, 14, 2, kInk);
    star.FillCircle(8, 8, 4, kInk);
    star.FillCircle(8, 8, 3, team);
    star.Line(8, 2, 8, 14, Lighter(team));
    star.Line(2, 8, 14, 8, Lighter(team));
    star.FillRect(7, 7, 2, 2, kClear);
    return star;
}

// A Boxer strike: a burst of lines round a bright core, the same seen from either side.
Canvas Strike(Colour team) {
    Canvas strike(16, 16, kClear);
    for (int i = 0; i < 16; i += 3) {
        strike.Line(8, 8, i, 0, team);
        strike.Line(8, 8, 15 - i, 15, team);
    }
    strike.FillCircle(8, 8, 4, Lighter(team));
    strike.FillCircle(8, 8, 2, {255, 255, 255, 255});
    return strike;
}

// The Lady's shield: a tall pane with a rim, pale in the middle.
Canvas Shield(Colour team) {
    Canvas shield(8, 24, kClear);
    shield.FillRect(0, 0, 8, 24, kInk);
    shield.FillRect(1, 1, 6, 22, team);
    shield.FillRect(2, 3, 4, 18, Lighter(team));
    shield.FillRect(3, 5, 1, 14, {255, 255, 255, 255});
    return shield;
}

// The Ninja's marker: a small flag on a short pole, standing where the Ninja stood. The
// marker's body is dropped 64 units under his centre, 22 under his feet, and a sprite is drawn
// centred on its body; so the flag fills only the top of a tall picture (two units a pixel,
// 54 pixels for a 108-unit sprite) and the clear rest below it reaches down to the body.
Canvas Marker(Colour team) {
    Canvas marker(16, 54, kClear);
    marker.FillRect(3, 1, 2, 15, kInk);
    marker.FillRect(5, 2, 9, 6, kInk);
    marker.FillRect(5, 3, 8, 4, team);
    marker.FillRect(1, 14, 7, 2, kInk);
    return marker;
}

}  // namespace

std::vector<Picture> DrawCombatPictures() {
    std::vector<Picture> pictures;
    for (const auto& [team, colour] : {std::make_pair(std::string("red"), kRed), std::make_pair(std::string("blue"), kBlue)}) {
        pictures.push_back({"attack_lady_" + team + ".png", FanWave(colour)});
        pictures.push_back({"attack_boxer_" + team + ".png", Glove(colour)});
        pictures.push_back({"attack_ninja_" + team + ".png", Star(colour)});
        pictures.push_back({"strike_" + team + ".png", Strike(colour)});
        pictures.push_back({"shield_" + team + ".png", Shield(colour)});
        pictures.push_back({"marker_" + team + ".png", Marker(colour)});
    }
    return pictures;
}
