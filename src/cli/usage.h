// The usage text shown for "/?".
#ifndef ZELVO_CLI_USAGE_H_
#define ZELVO_CLI_USAGE_H_

namespace zelvo {

// Writes the usage text to standard output, flushing after each line.
void PrintUsage();

}  // namespace zelvo

#endif  // ZELVO_CLI_USAGE_H_
