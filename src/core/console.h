// The console: all text the program prints goes through here, so that buffering, terminal
// detection and the policy for a lost console live in one place. Standard output carries the
// usage text, argument errors and the progress lines; standard error carries failures.
//
// Output to a file or a pipe is buffered and written once per line; on a terminal every write
// is shown at once, so that progress dots appear as the work goes. When standard output cannot
// be written any more (a closed pipe, a full disk), the rest of the console text is dropped and
// the work goes on: a lost console is no reason to lose maps.
#ifndef ZELVO_CORE_CONSOLE_H_
#define ZELVO_CORE_CONSOLE_H_

#include <string_view>

namespace zelvo {

// Writes `text` to standard output. A line end, or a terminal, flushes it.
void ConsoleWrite(std::string_view text);

// Writes whatever is buffered for standard output.
void ConsoleFlush();

// Writes `line` and a line end to standard error, after flushing standard output so that the two
// keep their order on a terminal.
void ConsoleError(std::string_view line);

// Points the console's standard output at another descriptor (tests) and clears its state.
void ConsoleUseDescriptor(int fd);

// Whether standard output has failed and its text is being dropped.
bool ConsoleLost();

}  // namespace zelvo

#endif  // ZELVO_CORE_CONSOLE_H_
