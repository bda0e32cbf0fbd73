#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TemporaryFolder {
 public:
  TemporaryFolder() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FPath = std::filesystem::temp_directory_path() /
            ("nepl-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(FPath);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  std::string File(const std::string& name) const { return (FPath / name).string(); }

  std::string Read(const std::string& name) const {
    std::ifstream in(FPath / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(FPath / name, std::ios::binary) << text;
  }

 private:
  std::filesystem::path FPath;
};
