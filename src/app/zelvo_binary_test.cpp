// End-to-end tests: the real zelvo binary run in a temporary folder, its exact output, exit
// status and files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "testing/png_reader.h"
#include "testing/temp_folder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

struct Result {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or -1 when ended by a signal
  int signal = 0;
};

struct Launch {
  explicit Launch(std::vector<std::string> args) : arguments(std::move(args)) {}
  std::vector<std::string> arguments;
  std::function<void()> inChild;  // runs after fork, before exec (folder changes, limits)
  // Sees standard output as it grows; returns false to close the reading end early.
  std::function<bool(const std::string& out, pid_t pid)> onOutput;
  bool stdoutToDevFull = false;
  bool stdoutClosed = false;
};

Result Run(const fs::path& folder, const Launch& launch) {
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    if (launch.inChild) launch.inChild();
    if (launch.stdoutToDevFull) {
      dup2(open("/dev/full", O_WRONLY), 1);
    } else if (launch.stdoutClosed) {
      close(1);
    } else {
      dup2(out[1], 1);
    }
    dup2(err[1], 2);
    close(out[0]), close(out[1]), close(err[0]), close(err[1]);
    std::vector<char*> argv{const_cast<char*>(ZELVO_BINARY)};
    for (const std::string& a : launch.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(ZELVO_BINARY, argv.data());
    _exit(127);
  }
  close(out[1]), close(err[1]);
  Result result;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[2] = {&result.out, &result.err};
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    if (poll(fds, 2, 60000) <= 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
      if (n > 0) texts[i]->append(buffer, static_cast<size_t>(n));
      const bool keep = n > 0 && (i != 0 || !launch.onOutput || launch.onOutput(result.out, pid));
      if (!keep) {
        close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

class ZelvoBinaryTest : public ::testing::Test {
 protected:
  Result Run(std::vector<std::string> arguments) {
    return zelvo::Run(folder_.Path(), Launch(std::move(arguments)));
  }
  Result Run(const Launch& launch) { return zelvo::Run(folder_.Path(), launch); }
  std::set<std::string> Files() const { return folder_.Names(); }
  std::string Bytes(const std::string& name) const { return folder_.Contents(name); }

  testing::TempFolder folder_;
};

const char kUsage[] =
    "\n"
    "Usage: Zelvo\n"
    " /?               Shows this help, overrides all other arguments.\n"
    " /wrap            Horizontal+Vertical wrap.\n"
    " /nowrap          No wrapping (default).\n"
    " /hwrap           Horizontal wrap.\n"
    " /vwrap           Vertical wrap.\n"
    " /sea             Sea edges (generate island), default, recommended.\n"
    " /nosea           No sea edges, recommended with /wrap.\n"
    " /hsea            Sea on left and right, recommended with /vwrap.\n"
    " /vsea            Sea on top and bottom, recommended with /hwrap.\n"
    " /seed=37         Generate with a specific seed.\n"
    " /roughness=0.55  Change roughness value. 0.55 default, 0.50 to 0.65 recommended.\n"
    " /waterlevel=0.0  Change water level. 0.0 default.\n"
    " /width=4         Width in sections. Default 4, 2 to 6 recommended.\n"
    " /height=4        Height in sections. Default 4, 2 to 6 recommended.\n"
    " /sectionsize=256 Size of each section. Default 256, must be a power of 2.\n"
    " /multiple=10     Generate multiple images. First uses the given seed (or random), rest "
    "increment from that.\n"
    " /colour          Generate only colourized map.\n"
    " /heightmap       Generate only heightmap.\n"
    "\n";

const std::string kTiny = "/width=2 /height=1 /sectionsize=4";  // 9 x 5 points
const std::vector<std::string> kTinyArgs = {"/width=2", "/height=1", "/sectionsize=4"};

std::vector<std::string> Tiny(std::vector<std::string> more) {
  more.insert(more.end(), kTinyArgs.begin(), kTinyArgs.end());
  return more;
}

TEST_F(ZelvoBinaryTest, StopsBeforeAnyMap) {
  static const struct {
    std::vector<std::string> arguments;
    std::string out;
    int status;
  } cases[] = {
      {{"/?"}, kUsage, 0},
      {{"-?"}, kUsage, 0},
      {{"/width=0", "/?"}, kUsage, 0},
      {{"/width=0"}, "Invalid argument: /width=0\n", 2},
      {{"/width=5", "/bogus", "/?x"}, "Invalid argument: /bogus\n", 2},
      {{"/w\xC3\xA4r\xFF"}, "Invalid argument: /w\xC3\xA4r\xFF\n", 2},  // echoed as typed
  };
  for (const auto& c : cases) {
    const Result r = Run(c.arguments);
    EXPECT_EQ(r.out, c.out) << c.arguments[0];
    EXPECT_EQ(r.err, "") << c.arguments[0];
    EXPECT_EQ(r.status, c.status) << c.arguments[0];
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(ZelvoBinaryTest, RefusesAGridBeyondTheLimit) {
  const Result r = Run({"/width=99999", "/height=99999"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "zelvo: a map of 25599745 x 25599745 points is too large: at most 1073741823 points "
            "are supported\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Files().empty());
}

TEST_F(ZelvoBinaryTest, TinyMapProgressAndFiles) {
  const Result r = Run(Tiny({"/seed=1"}));
  EXPECT_EQ(r.out,
            "Generating..\n"
            "Colourising.....\n"
            "Compressing...\n"
            "Building heightmap.....\n"
            "Compressing...\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Files(), (std::set<std::string>{"Seed=1 Roughness=0.55 Render.png",
                                            "Seed=1 Roughness=0.55 Heightmap.png"}));
  const testing::DecodedPng colour =
      testing::ReadPng((folder_.Path() / *Files().rbegin()).string());
  EXPECT_EQ(colour.width, 9u);
  EXPECT_EQ(colour.height, 5u);
}

TEST_F(ZelvoBinaryTest, OutputChoiceAndNames) {
  static const struct {
    std::vector<std::string> arguments;
    std::set<std::string> files;
  } cases[] = {
      {Tiny({"/seed=3", "/colour"}), {"Seed=3 Roughness=0.55 Render.png"}},
      {Tiny({"/seed=3", "/color", "/heightmap"}), {"Seed=3 Roughness=0.55 Heightmap.png"}},
      {Tiny({"/seed=-4", "/roughness=0.125", "/waterlevel=0.3", "/colour"}),
       {"Seed=-4 Roughness=0.13 Waterlevel=0.30 Render.png"}},
      {Tiny({"/seed=2147483647", "/multiple=2", "/heightmap"}),
       {"Seed=2147483647 Roughness=0.55 Heightmap.png",
        "Seed=-2147483648 Roughness=0.55 Heightmap.png"}},
      {Tiny({"/seed=8", "/waterlevel=-0", "/colour", "/wrap", "/nosea"}),
       {"Seed=8 Roughness=0.55 Render.png"}},
  };
  for (const auto& c : cases) {
    folder_.Reset();
    const Result r = Run(c.arguments);
    EXPECT_EQ(r.status, 0) << c.arguments[0] << r.err;
    EXPECT_EQ(Files(), c.files) << c.arguments[0];
  }
}

TEST_F(ZelvoBinaryTest, ConsecutiveSeedsMakeTheSameMapsAsSingleRuns) {
  ASSERT_EQ(Run(Tiny({"/multiple=3", "/seed=10"})).status, 0);
  EXPECT_EQ(Files().size(), 6u);
  const std::string second = Bytes("Seed=11 Roughness=0.55 Render.png");
  const std::string secondGrey = Bytes("Seed=11 Roughness=0.55 Heightmap.png");
  folder_.Reset();
  ASSERT_EQ(Run(Tiny({"/seed=11"})).status, 0);
  EXPECT_EQ(Bytes("Seed=11 Roughness=0.55 Render.png"), second);
  EXPECT_EQ(Bytes("Seed=11 Roughness=0.55 Heightmap.png"), secondGrey);
}

TEST_F(ZelvoBinaryTest, DefaultMapOfTheWorkedExample) {
  const Result r = Run({"/seed=37"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Generating........\nColourising" + std::string(1025, '.') +
                       "\nCompressing...\nBuilding heightmap" + std::string(1025, '.') +
                       "\nCompressing...\n");
  const testing::DecodedPng colour =
      testing::ReadPng((folder_.Path() / "Seed=37 Roughness=0.55 Render.png").string());
  const testing::DecodedPng grey =
      testing::ReadPng((folder_.Path() / "Seed=37 Roughness=0.55 Heightmap.png").string());
  EXPECT_EQ(colour.width, 1025u);
  EXPECT_EQ(colour.height, 1025u);
  EXPECT_EQ(colour.bitsPerPixel, 24u);
  EXPECT_EQ(grey.width, 1025u);
  EXPECT_EQ(grey.height, 1025u);
  EXPECT_EQ(grey.bitsPerPixel, 8u);
  EXPECT_EQ(colour.At(0, 0), (testing::Rgb{0, 0, 128}));  // an island: sea in the corners
}

// A file that cannot be written: the message, the run going on, status 1, no temporary file.
TEST_F(ZelvoBinaryTest, FolderInTheWayOfAFile) {
  fs::create_directory(folder_.Path() / "Seed=5 Roughness=0.55 Render.png");
  const Result r = Run(Tiny({"/seed=5", "/multiple=2"}));
  EXPECT_EQ(r.err, "zelvo: could not write \"Seed=5 Roughness=0.55 Render.png\": Is a directory\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Files(),
            (std::set<std::string>{
                "Seed=5 Roughness=0.55 Render.png", "Seed=5 Roughness=0.55 Heightmap.png",
                "Seed=6 Roughness=0.55 Render.png", "Seed=6 Roughness=0.55 Heightmap.png"}));
  EXPECT_TRUE(fs::is_directory(folder_.Path() / "Seed=5 Roughness=0.55 Render.png"));
}

TEST_F(ZelvoBinaryTest, CurrentFolderDeleted) {
  Launch launch(Tiny({"/seed=5"}));
  const std::string folder = folder_.Path().string();
  launch.inChild = [folder] { rmdir(folder.c_str()); };  // the child is already inside it
  const Result r = Run(launch);
  EXPECT_EQ(
      r.err,
      "zelvo: could not write \"Seed=5 Roughness=0.55 Render.png\": No such file or directory\n"
      "zelvo: could not write \"Seed=5 Roughness=0.55 Heightmap.png\": No such file or "
      "directory\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.substr(0, 12), "Generating..");
}

TEST_F(ZelvoBinaryTest, FullDisk) {
  // A file-size limit makes every write past 4 KiB fail as a full disk would (EFBIG once the
  // signal that the limit raises is ignored). The tiny heightmap fits; the default-size maps do
  // not.
  Launch launch({"/seed=5"});
  launch.inChild = [] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
  };
  const Result r = Run(launch);
  EXPECT_EQ(r.err,
            "zelvo: could not write \"Seed=5 Roughness=0.55 Render.png\": File too large\n"
            "zelvo: could not write \"Seed=5 Roughness=0.55 Heightmap.png\": File too large\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Files().empty());
}

// The image library refuses a picture more than a million pixels wide: a refused encode is a
// failure too, and leaves nothing behind.
TEST_F(ZelvoBinaryTest, PictureTheLibraryRefuses) {
  const Result r = Run({"/seed=1", "/width=1000001", "/height=1", "/sectionsize=1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.find("zelvo: could not write \"Seed=1 Roughness=0.55 Render.png\": the image "
                       "library could not encode the image"),
            0u)
      << r.err;
  EXPECT_NE(r.err.find("Heightmap.png"), std::string::npos) << r.err;
  EXPECT_TRUE(Files().empty());
}

// A lost console is no reason to lose maps: progress is dropped, the maps are all written.
TEST_F(ZelvoBinaryTest, ClosedStandardOutput) {
  Launch launch({"/multiple=3", "/seed=20"});
  launch.onOutput = [](const std::string& out, pid_t) { return out.size() < 10; };  // head -c 10
  const Result r = Run(launch);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Files().size(), 6u);
  EXPECT_TRUE(
      testing::ReadPng((folder_.Path() / "Seed=22 Roughness=0.55 Heightmap.png").string()).ok);
}

TEST_F(ZelvoBinaryTest, StandardOutputFullOrClosed) {
  for (bool closed : {false, true}) {
    folder_.Reset();
    Launch launch(Tiny({"/multiple=2", "/seed=20"}));
    launch.stdoutToDevFull = !closed;
    launch.stdoutClosed = closed;  // a file opened now must not receive the progress text
    const Result r = Run(launch);
    EXPECT_EQ(r.status, 0) << closed;
    EXPECT_EQ(r.err, "") << closed;
    ASSERT_EQ(Files().size(), 4u) << closed;
    for (const std::string& name : Files()) {
      EXPECT_TRUE(testing::ReadPng((folder_.Path() / name).string()).ok) << name;
    }
  }
}

// An interrupt while a file is being saved: the process ends by that signal, the temporary file
// is gone, and nothing partial stands under a final name.
TEST_F(ZelvoBinaryTest, InterruptDuringASave) {
  for (int signal_number : {SIGINT, SIGTERM}) {
    folder_.Reset();
    Launch launch({"/seed=37"});
    bool sent = false;
    launch.onOutput = [&](const std::string& out, pid_t pid) {
      if (!sent && out.find("Compressing...") != std::string::npos) {
        kill(pid, signal_number);
        sent = true;
      }
      return true;
    };
    const Result r = Run(launch);
    EXPECT_TRUE(sent);
    EXPECT_EQ(r.signal, signal_number);
    for (const std::string& name : Files()) {
      EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
      EXPECT_TRUE(testing::ReadPng((folder_.Path() / name).string()).ok)
          << name;  // complete if there
    }
  }
}

}  // namespace
}  // namespace zelvo
