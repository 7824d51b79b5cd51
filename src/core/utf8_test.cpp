#include "core/utf8.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(Utf8Test, DecodesTextAndKeepsOtherBytes) {
  static const struct {
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"/seed=5", L"/seed=5"},
      {"/w\xC3\xA4r", L"/w\u00E4r"},
      {"\xE2\x82\xAC\xF0\x9F\x97\xBA", L"\u20AC\U0001F5FA"},
      {"a\xFF"
       "b",
       L"a\xDCFF"
       L"b"},
      {"\xC3", L"\xDCC3"},                                // cut short
      {"\xC0\xAF", L"\xDCC0\xDCAF"},                      // overlong
      {"\xED\xA0\x80", L"\xDCED\xDCA0\xDC80"},            // an encoded surrogate
      {"\xED\xB2\x80", L"\xDCED\xDCB2\xDC80"},            // looks like an escape; is not text
      {"\xF4\x90\x80\x80", L"\xDCF4\xDC90\xDC80\xDC80"},  // beyond U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << c.bytes;
    EXPECT_EQ(EncodeUtf8(c.text), c.bytes) << c.bytes;
  }
}

TEST(Utf8Test, UnencodableBecomesReplacement) {
  EXPECT_EQ(EncodeUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace zelvo
