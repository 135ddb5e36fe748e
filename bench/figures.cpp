#include "figures.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

void ReportFigure(const std::string& name, double value, const std::string& unit, const std::string& target) {
    std::printf("FIGURE %s %.4f %s target %s\n", name.c_str(), value, unit.c_str(), target.c_str());
    std::fflush(stdout);
}

std::vector<FigureBenchmark>& FigureBenchmarks() {
    static std::vector<FigureBenchmark> benchmarks;
    return benchmarks;
}

bool RegisterFigureBenchmark(const std::string& name, std::function<void()> run) {
    FigureBenchmarks().push_back({name, std::move(run)});
    return true;
}

void InResourcesCopy(const std::function<void()>& body) {
    std::random_device random;
    const fs::path root = fs::temp_directory_path() / ("bramble-bench-" + std::to_string(random()));
    fs::create_directories(root);
    fs::copy(BRAMBLE_SOURCE_RESOURCES, root / "Resources", fs::copy_options::recursive);
    const fs::path previous = fs::current_path();
    fs::current_path(root);
    body();
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())));
    return values[index];
}

double Median(std::vector<double> values) { return Percentile(std::move(values), 0.5); }
