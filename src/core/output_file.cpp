#include "core/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace zelvo {

namespace {

// The temporary file being written, for the signal handler. It is set before the file is created
// and cleared after it has been renamed or removed, so at worst the handler unlinks a name that
// does not exist; the name holds the process id, so it is never another process's file.
char g_pending[4096];
volatile std::sig_atomic_t g_has_pending = 0;

void SetPending(const std::string& path) {
  g_has_pending = 0;
  std::memcpy(g_pending, path.c_str(), path.size() + 1);
  g_has_pending = 1;
}

std::string Reason(int error) { return std::strerror(error); }

}  // namespace

void RemovePendingOutputFile() {
  if (g_has_pending) unlink(g_pending);
}

OutputFile::~OutputFile() { Abandon(); }

bool OutputFile::Open(const std::string& path, std::string* error) {
  Abandon();
  path_ = path;
  const std::string base = path + "." + std::to_string(getpid());
  for (int attempt = 0;; ++attempt) {
    temporary_ = base;
    if (attempt > 0) temporary_.append(".").append(std::to_string(attempt));
    temporary_.append(".tmp");
    if (temporary_.size() >= sizeof(g_pending)) {
      *error = Reason(ENAMETOOLONG);
      temporary_.clear();
      return false;
    }
    SetPending(temporary_);
    const int fd = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      stream_ = fdopen(fd, "wb");
      if (stream_ != nullptr) return true;
      *error = Reason(errno);
      close(fd);
      Abandon();
      return false;
    }
    const int open_error = errno;
    g_has_pending = 0;
    if (open_error == EEXIST && attempt < 100) continue;  // left behind by an earlier process
    *error = Reason(open_error);
    temporary_.clear();
    return false;
  }
}

bool OutputFile::Commit(std::string* error) {
  // A write that failed earlier leaves the stream's error flag set; flushing writes the rest.
  errno = 0;
  const bool written = !std::ferror(stream_) && std::fflush(stream_) == 0;
  const int write_error = errno != 0 ? errno : EIO;
  errno = 0;
  const bool closed = std::fclose(stream_) == 0;
  const int close_error = errno != 0 ? errno : EIO;
  stream_ = nullptr;
  if (!written || !closed) {
    *error = Reason(!written ? write_error : close_error);
    Abandon();
    return false;
  }
  if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
    *error = Reason(errno);
    Abandon();
    return false;
  }
  g_has_pending = 0;
  temporary_.clear();
  return true;
}

void OutputFile::Abandon() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    g_has_pending = 0;
    temporary_.clear();
  }
}

}  // namespace zelvo
