#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace pictavo::testing {

// A fresh folder per test under PICTAVO_TEST_TMP (or the system temp folder), removed afterwards.
struct TempFolder {
  std::filesystem::path root;
  TempFolder() {
    const char* base = std::getenv("PICTAVO_TEST_TMP");
    root =
        std::filesystem::path(base && *base ? base : std::filesystem::temp_directory_path()) /
        ("pictavo-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
         "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  std::string sub(const std::string& name) const {
    std::filesystem::create_directories(root / name);
    return (root / name).string();
  }
};

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}
inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pictavo::testing
