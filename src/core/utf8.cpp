#include "core/utf8.h"

#include <cstdint>

namespace zelvo {

namespace {

constexpr uint32_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF hold the bytes 0x80..0xFF

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the sequence at the start of `s` into `code`. Returns its length, or 0 when it is not
// well-formed UTF-8 (overlong forms, surrogates and values beyond U+10FFFF included).
size_t DecodeOne(std::string_view s, uint32_t* code) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  size_t length;
  uint32_t value;
  uint32_t minimum;
  if (lead < 0x80) {
    *code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code = value;
  return length;
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    uint32_t code;
    size_t length = DecodeOne(bytes, &code);
    if (length == 0) {
      code = kEscapeBase + static_cast<unsigned char>(bytes[0]);
      length = 1;
    }
    text += static_cast<wchar_t>(code);
    bytes.remove_prefix(length);
  }
  return text;
}

std::string EncodeUtf8(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t w : text) {
    const uint32_t c = static_cast<uint32_t>(w);
    if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
      bytes += static_cast<char>(c - kEscapeBase);
    } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
      AppendUtf8(bytes, 0xFFFD);
    } else {
      AppendUtf8(bytes, c);
    }
  }
  return bytes;
}

}  // namespace zelvo
