// A fresh, empty folder for one test under the system's temporary folder, named after the test
// and the process so that tests running side by side never share one; removed at the end.
#ifndef ZELVO_TESTING_TEMP_FOLDER_H_
#define ZELVO_TESTING_TEMP_FOLDER_H_

#include <filesystem>
#include <set>
#include <string>

namespace zelvo::testing {

class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // Empties the folder.
  void Reset();
  // The names of the entries in the folder.
  std::set<std::string> Names() const;
  // The bytes of a file in the folder.
  std::string Contents(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace zelvo::testing

#endif  // ZELVO_TESTING_TEMP_FOLDER_H_
