#include "tools/make_art/pictures.h"

#include "tools/make_art/character_sheets.h"
#include "tools/make_art/combat_pictures.h"
#include "tools/make_art/level_pictures.h"
#include "tools/make_art/menu_pictures.h"
#include "tools/make_art/pause_pictures.h"
#include "tools/make_art/portrait_pictures.h"
#include "tools/make_art/stage_pictures.h"
#include "tools/make_art/palette.h"

namespace {

// A plain white square: tinted by a sprite's colour it serves any flat shape.
Canvas White() { return Canvas(8, 8, {255, 255, 255, 255}); }

// Four quadrants of known colours, so a drawn texture shows whether it is upright and unmirrored.
Canvas TestCard() {
    Canvas card(16, 16);
    card.FillRect(0, 0, 8, 8, {255, 0, 0, 255});     // top-left red
    card.FillRect(8, 0, 8, 8, {0, 255, 0, 255});     // top-right green
    card.FillRect(0, 8, 8, 8, {0, 0, 255, 255});     // bottom-left blue
    card.FillRect(8, 8, 8, 8, {255, 255, 0, 255});   // bottom-right yellow
    return card;
}

// A 4 by 2 sheet of solid cells, each its own colour: the frame shown can be read off a pixel.
Canvas Cells() {
    const Colour colours[8] = {{230, 40, 40, 255},  {40, 200, 60, 255},  {50, 80, 230, 255},  {240, 220, 40, 255},
                               {200, 60, 210, 255}, {40, 210, 220, 255}, {250, 140, 30, 255}, {120, 120, 120, 255}};
    Canvas sheet(32, 16);
    for (int cell = 0; cell < 8; ++cell) sheet.FillRect((cell % 4) * 8, (cell / 4) * 8, 8, 8, colours[cell]);
    return sheet;
}

// One frame of the bramble sprite: a round thorny bush with eyes; `phase` bobs and blinks it.
Canvas BrambleFrame(int phase) {
    Canvas frame(32, 32, kClear);
    const int bob = (phase == 1 || phase == 2) ? 1 : 0;
    const Colour leaf = {62, 140, 58, 255};
    const Colour light = {112, 188, 84, 255};
    const Colour thorn = {120, 70, 40, 255};
    const int cx = 16, cy = 18 + bob;
    for (int i = 0; i < 8; ++i) {  // thorns around the rim
        static const int dx[8] = {0, 9, 12, 9, 0, -9, -12, -9};
        static const int dy[8] = {-12, -9, 0, 9, 12, 9, 0, -9};
        frame.Line(cx, cy, cx + dx[i], cy + dy[i], thorn);
    }
    frame.FillCircle(cx, cy, 10, leaf);
    frame.FillCircle(cx - 3, cy - 4, 4, light);
    frame.FillCircle(cx + 5, cy + 6, 2, {180, 40, 80, 255});  // a berry
    const bool blink = phase == 3;
    for (int side : {-4, 4}) {
        if (blink) {
            frame.FillRect(cx + side - 1, cy - 1, 3, 1, kInk);
        } else {
            frame.FillRect(cx + side - 1, cy - 2, 3, 3, {255, 255, 255, 255});
            frame.Set(cx + side, cy - 1, kInk);
        }
    }
    return frame;
}

Canvas Bramble() {
    Canvas sheet(128, 32, kClear);
    for (int phase = 0; phase < 4; ++phase) sheet.Paste(BrambleFrame(phase), phase * 32, 0);
    return sheet;
}

// A ground tile: grass on top of earth with a few stones; it repeats along the court.
Canvas Court() {
    Canvas tile(32, 32, {120, 78, 46, 255});
    tile.FillRect(0, 0, 32, 6, {84, 160, 64, 255});
    for (int x = 0; x < 32; x += 4) tile.Set(x + 1, 6, {84, 160, 64, 255});
    tile.FillRect(0, 0, 32, 1, {132, 200, 90, 255});
    const int stones[4][2] = {{5, 14}, {20, 11}, {13, 24}, {27, 27}};
    for (const auto& stone : stones) tile.FillRect(stone[0], stone[1], 3, 2, {150, 110, 76, 255});
    return tile;
}

// The sky behind the court: bands from deep to pale blue, two clouds.
Canvas Sky() {
    Canvas sky(64, 36);
    for (int y = 0; y < 36; ++y) {
        const int band = y / 6;
        sky.FillRect(0, y, 64, 1,
                     {static_cast<uint8_t>(110 + band * 16), static_cast<uint8_t>(170 + band * 10), 240, 255});
    }
    for (const auto& cloud : {std::make_pair(12, 8), std::make_pair(44, 14)}) {
        sky.FillCircle(cloud.first, cloud.second, 3, {250, 250, 255, 255});
        sky.FillCircle(cloud.first + 4, cloud.second + 1, 3, {250, 250, 255, 255});
        sky.FillRect(cloud.first - 3, cloud.second + 1, 11, 3, {250, 250, 255, 255});
    }
    return sky;
}

// The ball: a round leather ball with a seam.
Canvas Ball() {
    Canvas ball(16, 16, kClear);
    ball.FillCircle(8, 8, 7, kInk);
    ball.FillCircle(8, 8, 6, {236, 120, 40, 255});
    ball.FillCircle(6, 6, 2, {255, 190, 120, 255});
    ball.Line(2, 8, 14, 8, kInk);
    return ball;
}

}  // namespace

std::vector<Picture> DrawAllPictures() {
    std::vector<Picture> pictures = {{"white.png", White()},     {"testcard.png", TestCard()}, {"cells.png", Cells()},
                                     {"bramble.png", Bramble()}, {"court.png", Court()},       {"sky.png", Sky()},
                                     {"ball.png", Ball()}};
    for (Picture& picture : DrawMenuPictures()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawCharacterSheets()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawLevelPictures()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawPausePictures()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawStagePictures()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawPortraitPictures()) pictures.push_back(std::move(picture));
    for (Picture& picture : DrawCombatPictures()) pictures.push_back(std::move(picture));
    return pictures;
}
