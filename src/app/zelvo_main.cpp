#include "app/zelvo_main.h"

#include <string>

#include "app/exit_status.h"
#include "app/run_images.h"
#include "cli/options.h"
#include "cli/usage.h"
#include "core/console.h"
#include "core/utf8.h"

namespace zelvo {

int ShowStop(const ParseResult& parsed) {
  if (parsed.stop == ParseResult::Stop::kUsage) {
    PrintUsage();
    return kExitSuccess;
  }
  // The argument as the user typed it, bytes that are no valid text included.
  ConsoleWrite("Invalid argument: " + EncodeUtf8(parsed.rejected) + "\n");
  return kExitUsage;
}

int ZelvoMain(int argc, const wchar_t* const* argv) {
  const ParseResult parsed = ParseArguments(argc, argv);
  const int status =
      parsed.stop == ParseResult::Stop::kNone ? RunImages(parsed.options) : ShowStop(parsed);
  ConsoleFlush();
  return status;
}

}  // namespace zelvo
