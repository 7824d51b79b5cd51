#include "render/save_png.h"

#include <FreeImage.h>

#include <cerrno>
#include <cstring>

#include "core/output_file.h"
#include "core/utf8.h"

namespace zelvo {

namespace {

// The library reports its failures only through a message callback.
std::string g_library_message;

void DLL_CALLCONV KeepMessage(FREE_IMAGE_FORMAT, const char* message) {
  g_library_message = message != nullptr ? message : "";
}

// What the library's writes go through: the stream and the first error a write met.
struct Sink {
  FILE* stream;
  int error;
};

unsigned DLL_CALLCONV SinkWrite(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  Sink& sink = *static_cast<Sink*>(handle);
  if (sink.error != 0) return 0;
  errno = 0;
  const size_t written = std::fwrite(buffer, size, count, sink.stream);
  if (written != count) sink.error = errno != 0 ? errno : EIO;
  return static_cast<unsigned>(written);
}

int DLL_CALLCONV SinkSeek(fi_handle handle, long offset, int origin) {
  return std::fseek(static_cast<Sink*>(handle)->stream, offset, origin);
}

long DLL_CALLCONV SinkTell(fi_handle handle) {
  return std::ftell(static_cast<Sink*>(handle)->stream);
}

// Owns a bitmap of the library for one save.
struct Bitmap {
  FIBITMAP* handle;
  ~Bitmap() {
    if (handle != nullptr) FreeImage_Unload(handle);
  }
};

std::string LibraryFailure(const char* what) {
  std::string reason = what;
  if (!g_library_message.empty()) reason += ": " + g_library_message;
  return reason;
}

}  // namespace

bool WritePng(const uint8_t* pixels, uint32_t width, uint32_t height, unsigned bitsPerPixel,
              FILE* stream, std::string* error) {
  FreeImage_SetOutputMessage(KeepMessage);
  g_library_message.clear();
  const int pitch = static_cast<int>(uint64_t{width} * bitsPerPixel / 8);
  // The library copies the pixels into its own bitmap and does not write to the buffer.
  Bitmap bitmap{FreeImage_ConvertFromRawBits(const_cast<BYTE*>(pixels), static_cast<int>(width),
                                             static_cast<int>(height), pitch, bitsPerPixel, 0, 0, 0,
                                             TRUE)};
  if (bitmap.handle == nullptr) {
    *error = LibraryFailure("the image library could not make a bitmap");
    return false;
  }
  Sink sink{stream, 0};
  FreeImageIO io{nullptr, SinkWrite, SinkSeek, SinkTell};
  const bool saved = FreeImage_SaveToHandle(FIF_PNG, bitmap.handle, &io, &sink, PNG_DEFAULT);
  if (sink.error == 0 && std::fflush(stream) != 0) sink.error = errno != 0 ? errno : EIO;
  if (sink.error != 0) {
    *error = std::strerror(sink.error);
    return false;
  }
  if (!saved) {
    *error = LibraryFailure("the image library could not encode the image");
    return false;
  }
  return true;
}

bool SavePng(const uint8_t* pixels, uint32_t width, uint32_t height, unsigned bitsPerPixel,
             const std::wstring& fileName, std::string* error) {
  OutputFile file;
  if (!file.Open(EncodeUtf8(fileName), error)) return false;
  if (!WritePng(pixels, width, height, bitsPerPixel, file.Stream(), error)) return false;
  return file.Commit(error);
}

}  // namespace zelvo
