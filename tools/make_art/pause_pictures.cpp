#include "tools/make_art/pause_pictures.h"

#include "tools/make_art/menu_pictures.h"
#include "tools/make_art/palette.h"
#include "tools/make_art/pixel_text.h"

namespace {

// A cell covers the 1280 x 720 view at a quarter of its size, so one cell pixel is 4 x 4 units.
constexpr int kCellWidth = 320;
constexpr int kCellHeight = 180;
constexpr int kChoiceCount = 3;

const Colour kDim = {20, 16, 28, 150};
const Colour kCream = {250, 240, 214, 255};
const Colour kChosenFill = {236, 176, 80, 255};
const Colour kRestingFill = {150, 140, 128, 255};

// The whole screen with choice `chosen` lit and marked by a thorn on its left.
Canvas PauseCell(int chosen) {
    static const char* const kChoices[kChoiceCount] = {"RESUME", "RESTART", "MAIN MENU"};
    const int centreX = kCellWidth / 2;
    Canvas cell(kCellWidth, kCellHeight, kDim);
    cell.Paste(Panel(128, 132, kCream), centreX - 64, 24);
    WritePixelText(cell, "PAUSED", centreX, 34, 2, kInk);
    for (int choice = 0; choice < kChoiceCount; ++choice) {
        const int top = 60 + choice * 28;
        const bool lit = choice == chosen;
        cell.Paste(Panel(104, 20, lit ? kChosenFill : kRestingFill), centreX - 52, top);
        WritePixelText(cell, kChoices[choice], centreX, top + 7, 1, kInk);
        if (!lit) continue;
        for (int x = 0; x < 6; ++x) {
            const int reach = 6 - x;
            cell.Line(centreX - 61 + x, top + 10 - reach, centreX - 61 + x, top + 10 + reach, kRed);
        }
    }
    return cell;
}

// Four cells in two rows; the fourth repeats the first so that no cell is left empty.
Canvas PauseSheet() {
    Canvas sheet(kCellWidth * 2, kCellHeight * 2, kClear);
    for (int index = 0; index < 4; ++index) {
        sheet.Paste(PauseCell(index % kChoiceCount), (index % 2) * kCellWidth, (index / 2) * kCellHeight);
    }
    return sheet;
}

}  // namespace

std::vector<Picture> DrawPausePictures() { return {{"pause_overlay.png", PauseSheet()}}; }
