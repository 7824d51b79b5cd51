#include "cli/usage.h"

#include "core/console.h"

namespace zelvo {

namespace {

// Each option line: one space, the option padded to 17 characters, its description. The text
// leaves out the "-" form of the options and the spelling "color"; both work all the same.
constexpr const char* kUsageLines[] = {
    "",
    "Usage: Zelvo",
    " /?               Shows this help, overrides all other arguments.",
    " /wrap            Horizontal+Vertical wrap.",
    " /nowrap          No wrapping (default).",
    " /hwrap           Horizontal wrap.",
    " /vwrap           Vertical wrap.",
    " /sea             Sea edges (generate island), default, recommended.",
    " /nosea           No sea edges, recommended with /wrap.",
    " /hsea            Sea on left and right, recommended with /vwrap.",
    " /vsea            Sea on top and bottom, recommended with /hwrap.",
    " /seed=37         Generate with a specific seed.",
    " /roughness=0.55  Change roughness value. 0.55 default, 0.50 to 0.65 recommended.",
    " /waterlevel=0.0  Change water level. 0.0 default.",
    " /width=4         Width in sections. Default 4, 2 to 6 recommended.",
    " /height=4        Height in sections. Default 4, 2 to 6 recommended.",
    " /sectionsize=256 Size of each section. Default 256, must be a power of 2.",
    (" /multiple=10     Generate multiple images. First uses the given seed (or random), rest "
     "increment from that."),
    " /colour          Generate only colourized map.",
    " /heightmap       Generate only heightmap.",
    "",
};

}  // namespace

void PrintUsage() {
  for (const char* line : kUsageLines) {
    ConsoleWrite(line);
    ConsoleWrite("\n");
  }
}

}  // namespace zelvo
