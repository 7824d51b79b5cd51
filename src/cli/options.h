// The run's settings and the reading of the command line. ParseArguments only reads: it returns
// the settings of a run or the reason to stop, and the caller prints and exits.
#ifndef ZELVO_CLI_OPTIONS_H_
#define ZELVO_CLI_OPTIONS_H_

#include <cstdint>
#include <string>

namespace zelvo {

// Every setting of a run. A record from ParseArguments has widthInSections, heightInSections
// and imageCount >= 1, sectionSize a power of two >= 1, and at least one image kind enabled.
struct RunOptions {
  int32_t seed = 0;         // default: the clock, in seconds, cut to 32 bits
  float roughness = 0.55f;  // starting amplitude and per-level factor; any value
  float waterLevel = 0.0f;  // lowers the land range; any value
  int32_t widthInSections = 4;
  int32_t heightInSections = 4;
  int32_t sectionSize = 256;    // grid steps per section
  int32_t imageCount = 1;       // images from consecutive seeds
  bool horizontalWrap = false;  // the right edge joins the left
  bool verticalWrap = false;    // the bottom edge joins the top
  bool seaLeftRight = true;
  bool seaTopBottom = true;
  bool colourMapEnabled = true;
  bool heightmapEnabled = true;
};

struct ParseResult {
  enum class Stop {
    kNone,      // run with `options`
    kUsage,     // an option "?" asked for the usage text
    kRejected,  // `rejected` is the argument, as typed, that could not be used
  };
  Stop stop = Stop::kNone;
  RunOptions options;
  std::wstring rejected;
};

// Reads the arguments after argv[0]. Options begin with "/" or "-" and are matched without
// regard to the case of ASCII letters; other arguments are skipped. A help request anywhere
// wins; otherwise the first bad option stops the parse, and later options override earlier ones.
ParseResult ParseArguments(int argc, const wchar_t* const* argv);

}  // namespace zelvo

#endif  // ZELVO_CLI_OPTIONS_H_
