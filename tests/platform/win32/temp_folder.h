// A fresh folder under the Windows temporary folder for one test, removed afterwards. Apart
// from tests/platform/temp_folder.h because names here are in the user's code page (as the host
// hands them to the filters), which std::filesystem would take for UTF-8: they are joined and
// opened as narrow strings.
#ifndef ORV_TESTS_WIN32_TEMP_FOLDER_H
#define ORV_TESTS_WIN32_TEMP_FOLDER_H

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace orv::testing {

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A random part keeps runs of the same test apart.
    std::string name = "orv_win32_" + std::to_string(std::random_device{}()) + "_";
    if (info) name += std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Windows paths with backslashes, as the host hands them to the filters.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string file = *this / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::string path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orv::testing

#endif  // ORV_TESTS_WIN32_TEMP_FOLDER_H
