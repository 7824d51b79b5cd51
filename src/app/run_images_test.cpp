#include "app/run_images.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/memory.h"
#include "testing/sha256.h"

namespace zelvo {
namespace {

RunOptions OptionsFrom(const std::string& line) {
  std::vector<std::wstring> words{L"zelvo"};
  std::istringstream in(line);
  for (std::string word; in >> word;) words.emplace_back(word.begin(), word.end());
  std::vector<const wchar_t*> argv;
  for (const std::wstring& word : words) argv.push_back(word.c_str());
  const ParseResult parsed = ParseArguments(static_cast<int>(argv.size()), argv.data());
  EXPECT_EQ(parsed.stop, ParseResult::Stop::kNone) << line;
  return parsed.options;
}

// The finished grid of the first image of a run with these options.
std::vector<float> FirstGrid(const RunOptions& options, uint32_t* width, uint32_t* height) {
  const GridSize size = GridSizeOf(options);
  HeightGrid grid(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
  Random random;
  BuildTerrain(grid, random, options, options.seed);
  *width = grid.Width();
  *height = grid.Height();
  return std::vector<float>(grid.Data(), grid.Data() + grid.Count());
}

// Each golden row: the arguments, the grid's size and the SHA-256 of its float bit patterns,
// little-endian, row 0 first.
TEST(RunImagesTest, GoldenGrids) {
  static_assert(std::endian::native == std::endian::little, "hashes are of little-endian floats");
  std::ifstream in(ZELVO_TESTDATA_DIR "/heights.tsv");
  ASSERT_TRUE(in) << "missing testdata/heights.tsv";
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string arguments, sha;
    uint32_t width, height;
    std::getline(fields, arguments, '\t');
    fields >> width >> height >> sha;
    uint32_t gotWidth, gotHeight;
    const std::vector<float> grid = FirstGrid(OptionsFrom(arguments), &gotWidth, &gotHeight);
    EXPECT_EQ(gotWidth, width) << arguments;
    EXPECT_EQ(gotHeight, height) << arguments;
    EXPECT_EQ(testing::Sha256Hex(grid.data(), grid.size() * sizeof(float)), sha) << arguments;
    ++rows;
  }
  EXPECT_EQ(rows, 9);
}

TEST(RunImagesTest, TinyGridBitForBit) {
  // /seed=1 /width=2 /height=1 /sectionsize=4, row by row.
  static const uint32_t expected[5][9] = {
      {0xbf7fd700, 0xbf973cf0, 0xbf1ba051, 0xbf47398b, 0xbf37dd00, 0xbef901fe, 0xbe841411,
       0xbf523eae, 0xbf674200},
      {0xbf923ed3, 0xbf85e42e, 0xbf7bdcbc, 0xbf8871d0, 0xbf53bf66, 0xbf2ae25f, 0xbed98dc7,
       0xbf325ab2, 0xbf146ccd},
      {0xbef7661b, 0xbf6c2e86, 0xbf6b7cf3, 0xbf537c9b, 0xbf83b8bc, 0xbf039ec0, 0xbeac6b66,
       0xbf3100f4, 0xbeded255},
      {0xbf2f1072, 0xbf622318, 0xbf84d893, 0xbf0cd3e6, 0xbf16d22d, 0xbf41660d, 0xbf2b739a,
       0xbf5156a6, 0xbee3193b},
      {0xbf187c00, 0xbf19110c, 0xbf39e40d, 0xbec55956, 0xbf351f00, 0xbf00a1ac, 0xbf512ad6,
       0xbf4644ce, 0xbf429400},
  };
  uint32_t width, height;
  const std::vector<float> grid =
      FirstGrid(OptionsFrom("/seed=1 /width=2 /height=1 /sectionsize=4"), &width, &height);
  ASSERT_EQ(width, 9u);
  ASSERT_EQ(height, 5u);
  for (uint32_t y = 0; y < 5; ++y) {
    for (uint32_t x = 0; x < 9; ++x) {
      EXPECT_EQ(std::bit_cast<uint32_t>(grid[x + y * 9]), expected[y][x]) << x << "," << y;
    }
  }
}

TEST(RunImagesTest, EveryImageTakesOneDrawPerPoint) {
  static const char* cases[] = {
      "/width=1 /height=1 /sectionsize=2",        "/width=2 /height=1 /sectionsize=2 /wrap",
      "/width=1 /height=2 /sectionsize=2 /hwrap", "/width=3 /height=2 /sectionsize=8 /vwrap /nosea",
      "/width=2 /height=3 /sectionsize=1",        "/width=1 /height=1 /sectionsize=16 /hsea",
  };
  for (const char* c : cases) {
    const RunOptions options = OptionsFrom(std::string(c) + " /seed=77");
    const GridSize size = GridSizeOf(options);
    HeightGrid grid(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
    Random used;
    BuildTerrain(grid, used, options, 77);
    Random counted;
    counted.Reseed(77);
    for (uint64_t i = 0; i < size.width * size.height; ++i) counted.Next();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(used.Next(), counted.Next()) << c;
  }
}

TEST(RunImagesTest, GridSizeLimits) {
  static const struct {
    int32_t width, height, section;
    bool supported;
  } cases[] = {
      {4, 4, 256, true},
      {1, 1, 1, true},
      {178956970, 1, 2, true},   // 357913941 x 3: exactly 1,073,741,823 points
      {178956971, 1, 2, false},  // 357913943 x 3: six points too many
      {128, 128, 256, false},    // 32769 x 32769
      {1, 1, 32768, false},
      {INT32_MAX, INT32_MAX, 1 << 30, false},  // each side beyond 32 bits; wraps in 32-bit sums
      {2147483647, 1, 1, false},               // 2^31 x 2
  };
  for (const auto& c : cases) {
    RunOptions options;
    options.widthInSections = c.width;
    options.heightInSections = c.height;
    options.sectionSize = c.section;
    EXPECT_EQ(GridSizeSupported(GridSizeOf(options)), c.supported)
        << c.width << " " << c.height << " " << c.section;
  }
}

TEST(RunImagesTest, GridWithoutMemoryIsReportedNotCrashed) {
  RunOptions options;
  options.widthInSections = 2;
  options.heightInSections = 1;
  options.sectionSize = 4;  // 9 x 5 floats: 180 bytes
  FILE* errors = std::tmpfile();
  const int saved = dup(2);
  dup2(fileno(errors), 2);
  SetAllocationLimit(179);
  const ExitStatus status = RunImages(options);
  SetAllocationLimit(UINT64_MAX);
  dup2(saved, 2);
  close(saved);
  EXPECT_EQ(status, kExitFailure);
  char text[256] = {};
  std::rewind(errors);
  std::fread(text, 1, sizeof(text) - 1, errors);
  std::fclose(errors);
  EXPECT_STREQ(text, "zelvo: not enough memory for a map of 9 x 5 points (180 bytes)\n");
}

}  // namespace
}  // namespace zelvo
