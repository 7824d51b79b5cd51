// Conversion between the bytes that the system hands over (command-line arguments, file names)
// and the program's wide-character text. Bytes that are not valid UTF-8 become the code points
// U+DC80 to U+DCFF, one per byte, and turn back into the same bytes, so that an argument that is
// echoed or used as a name is exactly what the user typed, whatever the locale.
#ifndef ZELVO_CORE_UTF8_H_
#define ZELVO_CORE_UTF8_H_

#include <string>
#include <string_view>

namespace zelvo {

std::wstring DecodeUtf8(std::string_view bytes);

// The inverse of DecodeUtf8. A code point that no UTF-8 text can hold (another surrogate, or one
// beyond U+10FFFF) becomes U+FFFD.
std::string EncodeUtf8(std::wstring_view text);

}  // namespace zelvo

#endif  // ZELVO_CORE_UTF8_H_
