#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "support/child_process.h"

// An X server of the test's own (Xvfb, with no window manager, on a display number nobody else
// uses), ended with the test. The test's own connections to it last one call each: Xlib ends the whole
// process that holds a connection when its server goes.
class XServer {
public:
    // One that cannot start fails the current test.
    explicit XServer(int screenWidth = 1280, int screenHeight = 720);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display_; }
    // Starting the game on this display rather than the tests' offscreen driver.
    ProcessOptions GameOptions() const;
    // Waits up to `limit` until a window titled `title` shows a drawn picture (more than the one
    // colour it is cleared to); false if `program` ended first or it never did.
    bool WaitForPicture(const char* title, ChildProcess& program, std::chrono::milliseconds limit) const;
    // What the mapped window titled `title` shows, row by row from the top (0xRRGGBB); 0 x 0
    // when there is none.
    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<uint32_t> pixels;
    };
    Picture PictureOf(const char* title) const;
    // The server ends at once, as when a desktop session closes under its programs.
    void End();

private:
    ChildProcess server_;
    std::string display_;
};
