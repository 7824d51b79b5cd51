#include "testing/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace zelvo::testing {

TempFolder::TempFolder() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  path_ = std::filesystem::temp_directory_path() / ("zelvo-" + std::to_string(getpid()) + "-" +
                                                    test->test_suite_name() + "-" + test->name());
  Reset();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Reset() {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

std::set<std::string> TempFolder::Names() const {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

std::string TempFolder::Contents(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace zelvo::testing
