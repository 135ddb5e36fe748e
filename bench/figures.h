#pragma once

#include <functional>
#include <string>
#include <vector>

// One measured figure beside its target.
void ReportFigure(const std::string& name, double value, const std::string& unit, const std::string& target);

struct FigureBenchmark {
    std::string name;
    std::function<void()> run;
};

// Benchmarks register themselves at start-up; main runs all or those named on the command line.
std::vector<FigureBenchmark>& FigureBenchmarks();
bool RegisterFigureBenchmark(const std::string& name, std::function<void()> run);

// Runs `body` in a temporary copy of the game's Resources/ as working directory.
void InResourcesCopy(const std::function<void()>& body);

double Median(std::vector<double> values);
double Percentile(std::vector<double> values, double fraction);
