#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/system.h"

// A system for main-loop tests: logs its updates and can run a test's code in its frame.
class ProbeSystem : public ISystem {
public:
    ProbeSystem(SYSTEM_COMP key, std::vector<std::string>* log = nullptr, bool* deleted = nullptr)
        : ISystem(key), log_(log), deleted_(deleted) {}
    ~ProbeSystem() override {
        if (deleted_) *deleted_ = true;
    }
    bool Init() override { return true; }
    bool Update(double dt) override {
        dts.push_back(dt);
        if (log_) log_->push_back(std::to_string(key));
        if (onUpdate) onUpdate();
        return true;
    }

    std::vector<double> dts;
    std::function<void()> onUpdate;

private:
    std::vector<std::string>* log_;
    bool* deleted_;
};
