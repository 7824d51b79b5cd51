#include "core/console.h"

#include <unistd.h>

#include <cerrno>
#include <string>

namespace zelvo {

namespace {

struct Console {
  int fd = 1;
  int interactive = -1;  // unknown until the first write
  bool lost = false;
  std::string buffer;
};

Console& State() {
  static Console console;
  return console;
}

// Writes all of `data` to `fd`, retrying after signals and short writes.
bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

void ConsoleFlush() {
  Console& c = State();
  if (c.buffer.empty()) return;
  if (!c.lost && !WriteAll(c.fd, c.buffer)) c.lost = true;
  c.buffer.clear();
}

void ConsoleWrite(std::string_view text) {
  Console& c = State();
  if (c.lost) return;
  if (c.interactive < 0) c.interactive = isatty(c.fd) ? 1 : 0;
  c.buffer.append(text);
  if (c.interactive == 1 || text.find('\n') != std::string_view::npos || c.buffer.size() >= 65536) {
    ConsoleFlush();
  }
}

void ConsoleError(std::string_view line) {
  ConsoleFlush();
  std::string text(line);
  text += '\n';
  WriteAll(2, text);  // nowhere left to report a failure to report
}

void ConsoleUseDescriptor(int fd) {
  Console& c = State();
  c = Console{};
  c.fd = fd;
}

bool ConsoleLost() { return State().lost; }

}  // namespace zelvo
