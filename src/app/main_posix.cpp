// The entry point on POSIX systems: arguments arrive as bytes and become wide text, whatever the
// locale; a closed standard output must not end the run, and an interrupt must not leave a
// temporary file behind. A Windows build has its own entry point receiving wide arguments.
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "app/zelvo_main.h"
#include "core/output_file.h"
#include "core/utf8.h"

namespace {

// Removes the file being written, then ends the process by the same signal, so that the caller
// sees how it ended.
extern "C" void OnInterrupt(int signal_number) {
  zelvo::RemovePendingOutputFile();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

int main(int argc, char** argv) {
  // Standard input, output and error must be open: a file that the program opens would otherwise
  // take the number of a closed one, and console text meant for it would land in a map.
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) == -1) open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
  }
  // The image library copies every picture it saves into a buffer of its own, a few megabytes
  // from malloc. Serve such buffers from the heap, and keep the heap when they are freed, so
  // that each save after the first reuses memory already touched instead of mapping fresh pages.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
  // A closed pipe shows up as a failed write, which the console handles by dropping its text.
  std::signal(SIGPIPE, SIG_IGN);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    if (std::signal(signal_number, OnInterrupt) == SIG_IGN) std::signal(signal_number, SIG_IGN);
  }

  std::vector<std::wstring> arguments;
  arguments.reserve(static_cast<size_t>(argc));
  for (int i = 0; i < argc; ++i) arguments.push_back(zelvo::DecodeUtf8(argv[i]));
  std::vector<const wchar_t*> pointers;
  for (const std::wstring& argument : arguments) pointers.push_back(argument.c_str());
  pointers.push_back(nullptr);
  return zelvo::ZelvoMain(argc, pointers.data());
}
