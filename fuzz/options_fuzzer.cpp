// Fuzzes the command line: the input, split at NUL bytes, is an argument vector in the bytes the
// system would hand over. Every parse must give options that keep the record's invariants, or a
// stop that prints exactly the usage text or exactly one "Invalid argument: " line. Each
// argument is also read as an integer and as a real value and compared with the C library's
// readers, in the cases where those follow the same rules.
#include <locale.h>
#include <sys/mman.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/zelvo_main.h"
#include "cli/numbers.h"
#include "cli/options.h"
#include "core/console.h"
#include "core/utf8.h"

namespace {

#define CHECK(condition)                                                                 \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

int g_console = -1;

std::string Captured() {
  zelvo::ConsoleFlush();
  std::string text;
  char buffer[4096];
  lseek(g_console, 0, SEEK_SET);
  ssize_t n;
  while ((n = read(g_console, buffer, sizeof(buffer))) > 0) text.append(buffer, n);
  ftruncate(g_console, 0);
  lseek(g_console, 0, SEEK_SET);
  return text;
}

std::string Usage() {
  zelvo::ParseResult help;
  help.stop = zelvo::ParseResult::Stop::kUsage;
  zelvo::ShowStop(help);
  return Captured();
}

float RoundLikeTheReader(double value) {
  if (std::fabs(value) >= 0x1.ffffffp127) return value > 0 ? INFINITY : -INFINITY;
  return static_cast<float>(value);
}

// The C library's readers agree with ours on plain ASCII decimal text: no letters that start
// its other forms (inf, nan, hexadecimal) and no "d" exponent.
void CompareReaders(const std::string& bytes, const std::wstring& text) {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  for (unsigned char c : bytes) {
    if (c >= 0x80 || std::strchr("iInNxXpPdD", c) != nullptr) return;
  }
  const long long wide = strtoll_l(bytes.c_str(), nullptr, 10, c_locale);
  const int32_t expected = wide > INT32_MAX ? INT32_MAX : wide < INT32_MIN ? INT32_MIN : wide;
  CHECK(zelvo::ReadInteger(text) == expected);
  const float real = RoundLikeTheReader(strtod_l(bytes.c_str(), nullptr, c_locale));
  const float ours = zelvo::ReadReal(text);
  CHECK(std::memcmp(&real, &ours, sizeof(float)) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (g_console < 0) {
    g_console = memfd_create("console", 0);
    zelvo::ConsoleUseDescriptor(g_console);
  }
  static const std::string usage = Usage();

  std::vector<std::string> bytes{"zelvo"};
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      bytes.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  bytes.push_back(current);

  std::vector<std::wstring> words;
  for (const std::string& b : bytes) words.push_back(zelvo::DecodeUtf8(b));
  std::vector<const wchar_t*> argv;
  for (const std::wstring& w : words) argv.push_back(w.c_str());

  const zelvo::ParseResult parsed =
      zelvo::ParseArguments(static_cast<int>(argv.size()), argv.data());
  if (parsed.stop == zelvo::ParseResult::Stop::kNone) {
    const zelvo::RunOptions& o = parsed.options;
    CHECK(o.widthInSections >= 1 && o.heightInSections >= 1 && o.imageCount >= 1);
    CHECK(o.sectionSize >= 1 && (o.sectionSize & (o.sectionSize - 1)) == 0);
    CHECK(o.colourMapEnabled || o.heightmapEnabled);
    CHECK(!std::isnan(o.roughness) && !std::isnan(o.waterLevel));
  } else {
    const int status = zelvo::ShowStop(parsed);
    const std::string printed = Captured();
    if (parsed.stop == zelvo::ParseResult::Stop::kUsage) {
      CHECK(status == 0 && printed == usage);
    } else {
      CHECK(status == 2);
      const std::string line = "Invalid argument: " + zelvo::EncodeUtf8(parsed.rejected) + "\n";
      CHECK(printed == line);
      // The rejected argument is one of the arguments, byte for byte as given.
      bool found = false;
      for (size_t i = 1; i < bytes.size(); ++i)
        found = found || bytes[i] == zelvo::EncodeUtf8(parsed.rejected);
      CHECK(found);
    }
  }

  for (size_t i = 1; i < bytes.size(); ++i) {
    const std::wstring& text = words[i];
    CompareReaders(bytes[i], text);
  }
  return 0;
}
