#include "tools/make_art/character_sheets.h"

#include <string>

#include "tools/make_art/palette.h"

namespace {

const Colour kSkin = {240, 200, 160, 255};
const Colour kGlove = {236, 236, 236, 255};
const Colour kBall = {236, 120, 40, 255};

constexpr int kCell = 32;

enum class Look { Lady, Boxer, Ninja };

// One pose: how far the body rises, where the legs and arms reach.
struct Pose {
    int rise;      // upward shift of the whole figure
    int leftLeg;   // horizontal reach of each foot from the hip
    int rightLeg;
    int legLift;   // feet drawn up (jumping)
    int armSwing;  // hands forward (+) or back (-)
};

// idle x2, run x4, jump x2
const Pose kPoses[8] = {{0, -3, 3, 0, 0},  {1, -3, 3, 0, 0},  {0, -5, 4, 0, 3},  {1, -2, 2, 0, 0},
                        {0, 4, -5, 0, -3}, {1, -2, 2, 0, 0},  {4, -4, 4, 3, 4},  {2, -3, 3, 1, 2}};

void DrawFigure(Canvas& cell, Look look, Colour team, const Pose& pose, bool withBall) {
    const int hipY = 24 - pose.rise;
    const int footY = 31 - pose.rise - pose.legLift;
    const Colour legs = look == Look::Ninja ? kInk : Colour{70, 60, 80, 255};
    cell.Line(15, hipY, 15 + pose.leftLeg, footY, legs);
    cell.Line(16, hipY, 16 + pose.rightLeg, footY, legs);
    cell.FillRect(11, 14 - pose.rise, 10, 11, team);  // body
    if (look == Look::Lady) cell.FillRect(10, 21 - pose.rise, 12, 4, team);  // skirt
    const int handX = 21 + pose.armSwing;
    const int handY = 19 - pose.rise;
    cell.Line(20, 16 - pose.rise, handX, handY, kSkin);
    if (look == Look::Boxer) cell.FillCircle(handX, handY, 2, kGlove);
    cell.FillCircle(16, 9 - pose.rise, 5, kSkin);  // head
    cell.Set(18, 8 - pose.rise, kInk);             // eye, facing right
    if (look == Look::Lady) cell.FillRect(10, 4 - pose.rise, 13, 2, team);   // hat brim
    if (look == Look::Ninja) cell.FillRect(11, 7 - pose.rise, 11, 2, kInk);  // mask band
    if (withBall) {
        cell.FillCircle(handX + 2, handY - 2, 4, kInk);
        cell.FillCircle(handX + 2, handY - 2, 3, kBall);
    }
}

Canvas Sheet(Look look, Colour team, bool withBall) {
    Canvas sheet(kCell * 8, kCell, kClear);
    for (int frame = 0; frame < 8; ++frame) {
        Canvas cell(kCell, kCell, kClear);
        DrawFigure(cell, look, team, kPoses[frame], withBall);
        sheet.Paste(cell, frame * kCell, 0);
    }
    return sheet;
}

}  // namespace

std::vector<Picture> DrawCharacterSheets() {
    struct Character {
        const char* name;
        Look look;
        Colour team;
    };
    const Character characters[6] = {{"lady_red", Look::Lady, kRed},   {"boxer_red", Look::Boxer, kRed},
                                      {"ninja_red", Look::Ninja, kRed}, {"lady_blue", Look::Lady, kBlue},
                                      {"boxer_blue", Look::Boxer, kBlue}, {"ninja_blue", Look::Ninja, kBlue}};
    std::vector<Picture> pictures;
    for (const Character& character : characters) {
        pictures.push_back({std::string(character.name) + "_sheet.png", Sheet(character.look, character.team, false)});
        pictures.push_back({std::string(character.name) + "_ball_sheet.png", Sheet(character.look, character.team, true)});
    }
    return pictures;
}
