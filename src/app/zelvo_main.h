// The program, once the platform's entry point has turned its arguments into wide text: reads
// the options, shows the usage text or the rejected argument, or makes the maps.
#ifndef ZELVO_APP_ZELVO_MAIN_H_
#define ZELVO_APP_ZELVO_MAIN_H_

#include "cli/options.h"

namespace zelvo {

// Returns the exit status (see exit_status.h).
int ZelvoMain(int argc, const wchar_t* const* argv);

// Prints what a parse that stopped has to say, the usage text or the rejected argument, and
// returns the exit status that goes with it. REQUIRES: parsed.stop is not kNone.
int ShowStop(const ParseResult& parsed);

}  // namespace zelvo

#endif  // ZELVO_APP_ZELVO_MAIN_H_
