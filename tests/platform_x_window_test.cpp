// The real game on X servers of the test's own, with no window manager: SDL takes the game's
// full-screen request as carried out and tells of the screen's size from then on, while the
// window keeps the size it opened with. The picture must be drawn for the window that is there.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstddef>

#include "support/child_process.h"
#include "support/engine_test.h"
#include "support/x_server.h"

namespace {

using XWindowTest = ResourcesTest;

constexpr const char* kTitle = "Bramblecourt";

// The share of the pixels that stand out from the sky (the menu's sign, buttons and flowers;
// blue below that of the sky and its clouds) in either picture that both show alike. The clouds
// drift and the chosen button swells, so two pictures of the same menu are alike, not equal.
double Likeness(const XServer::Picture& a, const XServer::Picture& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) return 0.0;
    const auto standsOut = [](uint32_t pixel) { return (pixel & 0xff) < 0xe0; };
    size_t standing = 0, alike = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        if (!standsOut(a.pixels[i]) && !standsOut(b.pixels[i])) continue;
        ++standing;
        if (a.pixels[i] == b.pixels[i]) ++alike;
    }
    return standing == 0 ? 0.0 : static_cast<double>(alike) / standing;
}

// Waits up to `limit` until the game's window shows a picture that `settled` accepts; the last
// picture seen.
template <typename Accept>
XServer::Picture WaitForMenu(const XServer& server, ChildProcess& game, std::chrono::seconds limit, Accept settled) {
    const auto end = std::chrono::steady_clock::now() + limit;
    XServer::Picture seen = server.PictureOf(kTitle);
    while (!settled(seen) && !game.EndsWithin(std::chrono::milliseconds(100)) && std::chrono::steady_clock::now() < end) {
        seen = server.PictureOf(kTitle);
    }
    return seen;
}

TEST_F(XWindowTest, AFullScreenRequestNobodyCarriesOutLeavesThePictureFittedToTheWindow) {
    // On a screen of the window's own size, SDL's size and the window's are the same: the menu
    // as it should look.
    XServer::Picture menu;
    {
        XServer server(1280, 720);
        ASSERT_FALSE(server.Display().empty());
        ChildProcess game(server.GameOptions());
        ASSERT_TRUE(server.WaitForPicture(kTitle, game, std::chrono::seconds(20)))
            << Describe(game.Wait(std::chrono::seconds(10)));
        XServer::Picture previous;
        menu = WaitForMenu(server, game, std::chrono::seconds(20), [&](const XServer::Picture& seen) {
            const bool settled = Likeness(previous, seen) > 0.95;
            previous = seen;
            return settled;
        });
        game.Signal(SIGTERM);
        const Ending ending = game.Wait(std::chrono::seconds(30));
        ASSERT_TRUE(ending.exited && ending.code == 0) << Describe(ending);
        ASSERT_EQ(1280, menu.width);
        ASSERT_EQ(720, menu.height);
    }

    XServer server(1920, 1080);
    ASSERT_FALSE(server.Display().empty());
    ChildProcess game(server.GameOptions());
    ASSERT_TRUE(server.WaitForPicture(kTitle, game, std::chrono::seconds(20)))
        << Describe(game.Wait(std::chrono::seconds(10)));
    const XServer::Picture seen = WaitForMenu(server, game, std::chrono::seconds(20),
                                              [&](const XServer::Picture& picture) { return Likeness(menu, picture) > 0.9; });
    EXPECT_EQ(1280, seen.width) << "nobody carries the request out: the window keeps its size";
    EXPECT_EQ(720, seen.height);
    EXPECT_GT(Likeness(menu, seen), 0.9) << "the menu is drawn as on a screen of the window's size";
    game.Signal(SIGTERM);
    const Ending ending = game.Wait(std::chrono::seconds(30));
    EXPECT_TRUE(ending.exited && ending.code == 0) << Describe(ending);
}

}  // namespace
