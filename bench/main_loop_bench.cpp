// Frame pacing on the real clock, how late its waits wake, and the time from start-up to the first presented frame.
#include <chrono>
#include <vector>

#include "core/frame_rate_controller.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "figures.h"
#include "platform/platform.h"

namespace {

void FramePacing() {
    InResourcesCopy([] {
        platform::Install(platform::CreateSdlBackend());
        if (StartUp()) {
            SystemManager& systems = SystemManager::GetInstance();
            systems.BeginRun();
            systems.BeginPass();
            auto& timer = FrameRateController::GetInstance();
            std::vector<double> intervals;
            uint64_t lastStart = 0;
            for (int frame = 0; frame < 601 && systems.RunFrame(); ++frame) {
                if (lastStart != 0) intervals.push_back(static_cast<double>(timer.frameStart - lastStart) / 10'000.0);
                lastStart = timer.frameStart;
            }
            ReportFigure("frame_interval_median", Median(intervals), "ms", "16.666 +- 0.05");
            ReportFigure("frame_interval_p99", Percentile(intervals, 0.99), "ms", "<= 17.0");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

// How late the frame clock wakes from a wait of 1 to 4 ms, either side of where it hands over
// from sleeping to spinning. A wait that trusts a plain sleep overshoots by a scheduler slice.
void ClockWaitLateness() {
    auto backend = platform::CreateSdlBackend();
    platform::Clock& clock = backend->GetClock();
    std::vector<double> lateness;
    for (int wait = 0; wait < 200; ++wait) {
        const uint64_t target = clock.Now() + static_cast<uint64_t>(1 + wait % 4) * platform::kTicksPerMillisecond;
        clock.WaitUntil(target);
        lateness.push_back(static_cast<double>(clock.Now() - target) / 10'000.0);
    }
    ReportFigure("clock_wait_lateness_median", Median(lateness), "ms", "<= 0.05");
    ReportFigure("clock_wait_lateness_p99", Percentile(lateness, 0.99), "ms", "-");
}

void StartUpTime() {
    InResourcesCopy([] {
        platform::Install(platform::CreateSdlBackend());
        const auto begin = std::chrono::steady_clock::now();
        if (StartUp()) {
            SystemManager& systems = SystemManager::GetInstance();
            systems.BeginRun();
            systems.BeginPass();
            systems.Update(0);  // the window presents the first frame of the game
            const auto end = std::chrono::steady_clock::now();
            ReportFigure("startup_to_first_frame", std::chrono::duration<double, std::milli>(end - begin).count(), "ms",
                         "<= 300");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

const bool registered = RegisterFigureBenchmark("frame_pacing", FramePacing) &&
                        RegisterFigureBenchmark("clock_wait", ClockWaitLateness) &&
                        RegisterFigureBenchmark("startup", StartUpTime);

}  // namespace
