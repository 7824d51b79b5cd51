#include "cli/options.h"

#include <ctime>
#include <string_view>

#include "cli/numbers.h"

namespace zelvo {

namespace {

// Options that set a pair of switches together: of "hwrap" and "vwrap" only the later counts.
struct Switch {
  std::wstring_view keyword;
  bool RunOptions::*first;
  bool firstValue;
  bool RunOptions::*second;
  bool secondValue;
};

constexpr Switch kSwitches[] = {
    {L"wrap", &RunOptions::horizontalWrap, true, &RunOptions::verticalWrap, true},
    {L"nowrap", &RunOptions::horizontalWrap, false, &RunOptions::verticalWrap, false},
    {L"hwrap", &RunOptions::horizontalWrap, true, &RunOptions::verticalWrap, false},
    {L"vwrap", &RunOptions::horizontalWrap, false, &RunOptions::verticalWrap, true},
    {L"sea", &RunOptions::seaLeftRight, true, &RunOptions::seaTopBottom, true},
    {L"nosea", &RunOptions::seaLeftRight, false, &RunOptions::seaTopBottom, false},
    {L"hsea", &RunOptions::seaLeftRight, true, &RunOptions::seaTopBottom, false},
    {L"vsea", &RunOptions::seaLeftRight, false, &RunOptions::seaTopBottom, true},
    {L"colour", &RunOptions::colourMapEnabled, true, &RunOptions::heightmapEnabled, false},
    {L"color", &RunOptions::colourMapEnabled, true, &RunOptions::heightmapEnabled, false},
    {L"heightmap", &RunOptions::colourMapEnabled, false, &RunOptions::heightmapEnabled, true},
};

enum class Accept { kAny, kPositive, kPowerOfTwo };

// Options of the form keyword=value; the keyword includes its "=".
struct Setting {
  std::wstring_view keyword;
  int32_t RunOptions::*integer;  // null for a real value
  float RunOptions::*real;       // null for an integer value
  Accept accept;
};

constexpr Setting kSettings[] = {
    {L"seed=", &RunOptions::seed, nullptr, Accept::kAny},
    {L"roughness=", nullptr, &RunOptions::roughness, Accept::kAny},
    {L"waterlevel=", nullptr, &RunOptions::waterLevel, Accept::kAny},
    {L"width=", &RunOptions::widthInSections, nullptr, Accept::kPositive},
    {L"height=", &RunOptions::heightInSections, nullptr, Accept::kPositive},
    {L"sectionsize=", &RunOptions::sectionSize, nullptr, Accept::kPowerOfTwo},
    {L"multiple=", &RunOptions::imageCount, nullptr, Accept::kPositive},
};

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

// Whether `text` begins with `keyword` (lower case), ignoring the case of ASCII letters only.
bool StartsWithFolded(std::wstring_view text, std::wstring_view keyword) {
  if (text.size() < keyword.size()) return false;
  for (size_t i = 0; i < keyword.size(); ++i) {
    if (FoldAscii(text[i]) != keyword[i]) return false;
  }
  return true;
}

bool IsOption(std::wstring_view argument) {
  return !argument.empty() && (argument.front() == L'/' || argument.front() == L'-');
}

bool Accepts(Accept accept, int32_t value) {
  switch (accept) {
    case Accept::kAny:
      return true;
    case Accept::kPositive:
      return value >= 1;
    case Accept::kPowerOfTwo:
      return value >= 1 && (value & (value - 1)) == 0;
  }
  return false;
}

// Applies one option keyword; returns false when no row takes it or its value is refused.
bool ApplyOption(std::wstring_view keyword, RunOptions& options) {
  for (const Switch& s : kSwitches) {
    if (keyword.size() == s.keyword.size() && StartsWithFolded(keyword, s.keyword)) {
      options.*s.first = s.firstValue;
      options.*s.second = s.secondValue;
      return true;
    }
  }
  for (const Setting& s : kSettings) {
    if (!StartsWithFolded(keyword, s.keyword)) continue;
    const std::wstring_view value = keyword.substr(s.keyword.size());
    if (s.real != nullptr) {
      options.*s.real = ReadReal(value);
      return true;
    }
    const int32_t number = ReadInteger(value);
    if (!Accepts(s.accept, number)) return false;
    options.*s.integer = number;
    return true;
  }
  return false;
}

}  // namespace

ParseResult ParseArguments(int argc, const wchar_t* const* argv) {
  ParseResult result;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (IsOption(argument) && argument.substr(1) == L"?") {
      result.stop = ParseResult::Stop::kUsage;
      return result;
    }
  }

  // The clock's seconds, cut to their low 32 bits and taken as a signed value.
  result.options.seed = static_cast<int32_t>(static_cast<uint32_t>(std::time(nullptr)));

  for (int i = 1; i < argc; ++i) {
    const std::wstring_view argument = argv[i];
    if (!IsOption(argument)) continue;
    if (!ApplyOption(argument.substr(1), result.options)) {
      result.stop = ParseResult::Stop::kRejected;
      result.rejected = argument;
      return result;
    }
  }
  return result;
}

}  // namespace zelvo
