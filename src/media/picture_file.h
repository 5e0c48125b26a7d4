#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::media {

// The bytes of a picture file, for the readers. Raises ImageFileError (text
// naming the file) when it is missing, unreadable or far larger than any
// picture we accept.
std::vector<uint8_t> ReadPictureFile(const std::string& path);

// The text of the error raised for a file that ends before its picture does.
std::string ShortPictureFileText(const std::string& path);

}  // namespace bv::media
