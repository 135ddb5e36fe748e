#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// Every engine singleton starts fresh and is left fresh, so the whole test binary also passes
// in one process.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Runs in a temporary copy of the game's Resources/ (the working directory during the test),
// never touching the tracked files.
class ResourcesTest : public EngineTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file below the temporary folder, creating its parent folders.
    void WriteFile(const std::string& relativePath, const std::string& text) const;
    std::string ReadFile(const std::string& relativePath) const;

    std::filesystem::path root_;

private:
    std::filesystem::path previous_;
};

// Byte-for-byte comparison of two folder trees; empty when equal, else the first difference.
std::string CompareTrees(const std::filesystem::path& expected, const std::filesystem::path& actual);
