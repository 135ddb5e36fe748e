#pragma once

#include <chrono>
#include <string>

#include "support/child_process.h"

// An X server of the test's own (Xvfb, 1280x720, on a display number nobody else uses), ended
// with the test. The test's own connections to it last one call each: Xlib ends the whole
// process that holds a connection when its server goes.
class XServer {
public:
    // One that cannot start fails the current test.
    XServer();
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
    // The server ends at once, as when a desktop session closes under its programs.
    void End();

private:
    ChildProcess server_;
    std::string display_;
};
