#include "app/zelvo_main.h"

#include <string>

#include "app/exit_status.h"
#include "app/run_images.h"
#include "cli/options.h"
#include "cli/usage.h"
#include "core/console.h"
#include "core/utf8.h"

namespace zelvo {

int ZelvoMain(int argc, const wchar_t* const* argv) {
  const ParseResult parsed = ParseArguments(argc, argv);
  int status = kExitSuccess;
  switch (parsed.stop) {
    case ParseResult::Stop::kUsage:
      PrintUsage();
      break;
    case ParseResult::Stop::kRejected:
      // The argument as the user typed it, bytes that are no valid text included.
      ConsoleWrite("Invalid argument: " + EncodeUtf8(parsed.rejected) + "\n");
      status = kExitUsage;
      break;
    case ParseResult::Stop::kNone:
      status = RunImages(parsed.options);
      break;
  }
  ConsoleFlush();
  return status;
}

}  // namespace zelvo
