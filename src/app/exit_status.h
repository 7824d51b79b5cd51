// The program's exit statuses.
#ifndef ZELVO_APP_EXIT_STATUS_H_
#define ZELVO_APP_EXIT_STATUS_H_

namespace zelvo {

enum ExitStatus {
  kExitSuccess = 0,  // every map written, or the usage text shown
  kExitFailure = 1,  // the run could not start, or a file could not be written
  kExitUsage = 2,    // an argument was rejected
};

}  // namespace zelvo

#endif  // ZELVO_APP_EXIT_STATUS_H_
