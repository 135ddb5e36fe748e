#include "tools/make_art/portrait_pictures.h"

#include <cstdint>
#include <string>

#include "tools/make_art/palette.h"
#include "tools/make_art/pixel_text.h"

namespace {

// A cell is drawn 192 units wide in the selection, so one cell pixel is 4 x 4 units.
constexpr int kCell = 48;
constexpr int kPlateTop = 38;

enum Character { kLady = 0, kBoxer = 1, kNinja = 2 };
const char* const kNames[] = {"LADY", "BOXER", "NINJA"};
const char* const kFileStems[] = {"lady", "boxer", "ninja"};

const Colour kSkin = {240, 200, 160, 255};
const Colour kCream = {250, 240, 214, 255};
const Colour kReady = {92, 196, 96, 255};
const Colour kArrow = {255, 214, 90, 255};

Colour Tint(Colour team) {
    const auto lift = [](uint8_t value) { return static_cast<uint8_t>(value + 90 > 255 ? 255 : value + 90); };
    return {lift(team.r), lift(team.g), lift(team.b), 255};
}

// Head and shoulders in the team colour, with each character's own mark: the lady's hat, the
// boxer's gloves, the ninja's mask. `bob` lifts the figure by a pixel.
void DrawFigure(Canvas& cell, Character character, Colour team, int bob) {
    cell.FillRect(12, 29 - bob, 24, kPlateTop - 29 + bob, team);
    cell.FillCircle(24, 20 - bob, 8, kSkin);
    cell.Set(21, 19 - bob, kInk);
    cell.Set(27, 19 - bob, kInk);
    if (character == kLady) {
        cell.FillRect(13, 12 - bob, 22, 2, team);
        cell.FillRect(17, 7 - bob, 14, 5, team);
    }
    if (character == kBoxer) {
        for (int x : {11, 37}) {
            cell.FillCircle(x, 31 - bob, 5, kInk);
            cell.FillCircle(x, 31 - bob, 4, {236, 80, 60, 255});
        }
    }
    if (character == kNinja) {
        cell.FillRect(15, 17 - bob, 18, 4, kInk);
        cell.Set(21, 18 - bob, kCream);
        cell.Set(27, 18 - bob, kCream);
    }
}

// The character's name on a dark plate along the bottom.
void DrawNamePlate(Canvas& cell, Character character) {
    cell.FillRect(0, kPlateTop, kCell, kCell - kPlateTop, kInk);
    WritePixelText(cell, kNames[character], kCell / 2, kPlateTop + 2, 1, kCream);
}

Canvas PickingCell(Character character, Colour team, int bob) {
    Canvas cell(kCell, kCell, Tint(team));
    DrawFigure(cell, character, team, bob);
    DrawNamePlate(cell, character);
    WritePixelText(cell, "<", 3, kPlateTop + 2, 1, kArrow);
    WritePixelText(cell, ">", kCell - 4, kPlateTop + 2, 1, kArrow);
    return cell;
}

Canvas ReadyCell(Character character, Colour team) {
    Canvas cell(kCell, kCell, Tint(team));
    DrawFigure(cell, character, team, 0);
    cell.FillRect(0, 0, kCell, 9, kReady);
    cell.FillRect(0, 9, 2, kPlateTop - 9, kReady);
    cell.FillRect(kCell - 2, 9, 2, kPlateTop - 9, kReady);
    WritePixelText(cell, "READY", kCell / 2, 1, 1, kInk);
    DrawNamePlate(cell, character);
    return cell;
}

// Cells left to right: picking, picking a pixel higher, ready.
Canvas PortraitSheet(Character character, Colour team) {
    Canvas sheet(kCell * 3, kCell, kClear);
    sheet.Paste(PickingCell(character, team, 0), 0, 0);
    sheet.Paste(PickingCell(character, team, 1), kCell, 0);
    sheet.Paste(ReadyCell(character, team), kCell * 2, 0);
    return sheet;
}

}  // namespace

std::vector<Picture> DrawPortraitPictures() {
    std::vector<Picture> pictures;
    for (const auto& [team, teamName] : {std::make_pair(kRed, "red"), std::make_pair(kBlue, "blue")}) {
        for (Character character : {kLady, kBoxer, kNinja}) {
            const std::string file = std::string("portrait_") + kFileStems[character] + "_" + teamName + ".png";
            pictures.push_back({file, PortraitSheet(character, team)});
        }
    }
    return pictures;
}
