#include "media/picture_file.h"

#include "media/binary_file.h"
#include "media/bitmap.h"
#include "media/size_limits.h"

namespace bv::media {

std::vector<uint8_t> ReadPictureFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  switch (ReadWholeFile(path, 2 * kMaxDecodedBytes, &bytes)) {
    case WholeFileStatus::kOk:
      return bytes;
    case WholeFileStatus::kCannotOpen:
      throw ImageFileError("Cannot open file \"" + path + "\"");
    case WholeFileStatus::kReadError:
      throw ImageFileError("Cannot read file \"" + path + "\"");
    case WholeFileStatus::kTooLarge:
      break;
  }
  throw ImageFileError("File \"" + path + "\" is too large for a picture");
}

std::string ShortPictureFileText(const std::string& path) {
  return "File \"" + path + "\" ends before the picture it announces";
}

}  // namespace bv::media
