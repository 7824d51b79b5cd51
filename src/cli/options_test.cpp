#include "cli/options.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

namespace zelvo {
namespace {

ParseResult Parse(const std::vector<std::wstring>& arguments) {
  std::vector<const wchar_t*> argv{L"zelvo"};
  for (const std::wstring& argument : arguments) argv.push_back(argument.c_str());
  return ParseArguments(static_cast<int>(argv.size()), argv.data());
}

std::string Show(const std::vector<std::wstring>& arguments) {
  std::string text;
  for (const std::wstring& a : arguments) text += std::string(a.begin(), a.end()) + " ";
  return text;
}

TEST(ParseArgumentsTest, HelpWinsWherever) {
  static const std::vector<std::wstring> cases[] = {
      {L"/?"}, {L"-?"}, {L"/width=0", L"/?"}, {L"/?", L"/width=0"}, {L"/bogus", L"x", L"-?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c).stop, ParseResult::Stop::kUsage) << Show(c);
  }
}

TEST(ParseArgumentsTest, RejectsTheFirstBadArgumentAsTyped) {
  static const struct {
    std::vector<std::wstring> arguments;
    std::wstring rejected;
  } cases[] = {
      {{L"/?x"}, L"/?x"},
      {{L"--wrap"}, L"--wrap"},
      {{L"/seed"}, L"/seed"},
      {{L"/wrap=1"}, L"/wrap=1"},
      {{L"/"}, L"/"},
      {{L"-"}, L"-"},
      {{L"/width=0"}, L"/width=0"},
      {{L"/width=-2"}, L"/width=-2"},
      {{L"/width=abc"}, L"/width=abc"},
      {{L"/height=0"}, L"/height=0"},
      {{L"/sectionsize=96"}, L"/sectionsize=96"},
      {{L"/sectionsize=0"}, L"/sectionsize=0"},
      {{L"/sectionsize=-2147483648"}, L"/sectionsize=-2147483648"},
      {{L"/multiple=0"}, L"/multiple=0"},
      {{L"/width=5", L"/width=0"}, L"/width=0"},
      {{L"/width=0", L"/bogus"}, L"/width=0"},
      {{L"/w\u00C4p"}, L"/w\u00C4p"},
      {{L"/WR\u212AP"}, L"/WR\u212AP"},  // the Kelvin sign is not folded to k
  };
  for (const auto& c : cases) {
    const ParseResult result = Parse(c.arguments);
    EXPECT_EQ(result.stop, ParseResult::Stop::kRejected) << Show(c.arguments);
    EXPECT_EQ(result.rejected, c.rejected) << Show(c.arguments);
  }
}

TEST(ParseArgumentsTest, Settings) {
  static const struct {
    std::vector<std::wstring> arguments;
    RunOptions expected;  // seed 0 stands for "not given"
  } cases[] = {
      {{}, {}},
      {{L"wrap", L"", L"x=1"}, {}},  // not options: skipped
      {{L"/WRAP"}, {.horizontalWrap = true, .verticalWrap = true}},
      {{L"-Wrap"}, {.horizontalWrap = true, .verticalWrap = true}},
      {{L"/wrap", L"/nowrap"}, {}},
      {{L"/hwrap"}, {.horizontalWrap = true}},
      {{L"/hwrap", L"/vwrap"}, {.verticalWrap = true}},
      {{L"/nosea"}, {.seaLeftRight = false, .seaTopBottom = false}},
      {{L"/hsea"}, {.seaTopBottom = false}},
      {{L"/vsea"}, {.seaLeftRight = false}},
      {{L"/nosea", L"/sea"}, {}},
      {{L"/colour"}, {.heightmapEnabled = false}},
      {{L"/COLOR"}, {.heightmapEnabled = false}},
      {{L"/heightmap"}, {.colourMapEnabled = false}},
      {{L"/colour", L"/heightmap"}, {.colourMapEnabled = false}},
      {{L"/seed=-5"}, {.seed = -5}},
      {{L"/seed=12abc"}, {.seed = 12}},
      {{L"/seed=99999999999"}, {.seed = INT32_MAX}},
      {{L"/Roughness=0.6"}, {.roughness = 0.6f}},
      {{L"/roughness=abc"}, {.roughness = 0.0f}},
      {{L"/waterlevel=-0.25"}, {.waterLevel = -0.25f}},
      {{L"/width=3x", L"/height=1"}, {.widthInSections = 3, .heightInSections = 1}},
      {{L"/sectionsize=1"}, {.sectionSize = 1}},
      {{L"/sectionsize=1073741824"}, {.sectionSize = 1073741824}},
      {{L"/multiple=10"}, {.imageCount = 10}},
      {{L"/width=5", L"/width=2"}, {.widthInSections = 2}},
  };
  for (const auto& c : cases) {
    const ParseResult result = Parse(c.arguments);
    ASSERT_EQ(result.stop, ParseResult::Stop::kNone) << Show(c.arguments);
    const RunOptions& o = result.options;
    const RunOptions& e = c.expected;
    if (e.seed != 0) {
      EXPECT_EQ(o.seed, e.seed) << Show(c.arguments);
    }
    EXPECT_EQ(o.roughness, e.roughness) << Show(c.arguments);
    EXPECT_EQ(o.waterLevel, e.waterLevel) << Show(c.arguments);
    EXPECT_EQ(o.widthInSections, e.widthInSections) << Show(c.arguments);
    EXPECT_EQ(o.heightInSections, e.heightInSections) << Show(c.arguments);
    EXPECT_EQ(o.sectionSize, e.sectionSize) << Show(c.arguments);
    EXPECT_EQ(o.imageCount, e.imageCount) << Show(c.arguments);
    EXPECT_EQ(o.horizontalWrap, e.horizontalWrap) << Show(c.arguments);
    EXPECT_EQ(o.verticalWrap, e.verticalWrap) << Show(c.arguments);
    EXPECT_EQ(o.seaLeftRight, e.seaLeftRight) << Show(c.arguments);
    EXPECT_EQ(o.seaTopBottom, e.seaTopBottom) << Show(c.arguments);
    EXPECT_EQ(o.colourMapEnabled, e.colourMapEnabled) << Show(c.arguments);
    EXPECT_EQ(o.heightmapEnabled, e.heightmapEnabled) << Show(c.arguments);
  }
}

TEST(ParseArgumentsTest, SeedDefaultsToTheClock) {
  const int32_t before = static_cast<int32_t>(static_cast<uint32_t>(std::time(nullptr)));
  const int32_t seed = Parse({}).options.seed;
  const int32_t after = static_cast<int32_t>(static_cast<uint32_t>(std::time(nullptr)));
  EXPECT_TRUE(seed == before || seed == after) << seed;
  EXPECT_EQ(Parse({L"/seed=", L"/roughness=1"}).options.seed, 0);
  EXPECT_EQ(Parse({L"/seed=abc"}).options.seed, 0);
}

}  // namespace
}  // namespace zelvo
