// Files that appear whole or not at all. The content is written to a temporary file beside the
// final name and renamed over it only once it has been written and closed without error, so a
// full disk, a failed write or an interrupt never leaves a partial file under the final name,
// and an existing file of that name is replaced only by a complete new one.
#ifndef ZELVO_CORE_OUTPUT_FILE_H_
#define ZELVO_CORE_OUTPUT_FILE_H_

#include <cstdio>
#include <string>

namespace zelvo {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Removes the temporary file unless Commit succeeded.
  ~OutputFile();

  // Creates the temporary file for `path` (a name in the file system's encoding). On failure
  // returns false and sets *error to the reason.
  bool Open(const std::string& path, std::string* error);

  // The stream that writes the temporary file. REQUIRES: Open succeeded.
  FILE* Stream() { return stream_; }

  // Closes the stream and renames the temporary file to the final name. Fails, removing the
  // temporary file and setting *error, when a write or the close failed or the rename is refused.
  bool Commit(std::string* error);

  // Closes and removes the temporary file; the final name is left as it was.
  void Abandon();

  const std::string& TemporaryPath() const { return temporary_; }

 private:
  std::string path_;
  std::string temporary_;
  FILE* stream_ = nullptr;
};

// Removes the temporary file that is being written, if any. Safe to call from a signal handler:
// it only reads a fixed buffer and calls unlink.
void RemovePendingOutputFile();

}  // namespace zelvo

#endif  // ZELVO_CORE_OUTPUT_FILE_H_
