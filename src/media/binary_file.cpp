#include "media/binary_file.h"

#include <sys/types.h>

#include <limits>

namespace bv::media {

bool BinaryFile::OpenWith(const std::string& path, const char* mode) {
  Close();
  file_ = std::fopen(path.c_str(), mode);
  return file_ != nullptr;
}

bool BinaryFile::Seek(uint64_t offset) {
  if (file_ == nullptr || offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
    return false;
  return fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

int64_t BinaryFile::Size() {
  if (file_ == nullptr || fseeko(file_, 0, SEEK_END) != 0) return -1;
  off_t end = ftello(file_);
  return end < 0 ? -1 : static_cast<int64_t>(end);
}

bool BinaryFile::ReadAt(uint64_t offset, void* dst, size_t n) {
  if (!Seek(offset)) return false;
  return std::fread(dst, 1, n, file_) == n;
}

bool BinaryFile::WriteAt(uint64_t offset, const void* src, size_t n) {
  if (!Seek(offset)) return false;
  return std::fwrite(src, 1, n, file_) == n;
}

bool BinaryFile::Close() {
  if (file_ == nullptr) return true;
  bool ok = std::fflush(file_) == 0;
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

WholeFileStatus ReadWholeFile(const std::string& path, uint64_t max_bytes,
                              std::vector<uint8_t>* bytes) {
  BinaryFile file;
  if (!file.OpenRead(path)) return WholeFileStatus::kCannotOpen;
  int64_t size = file.Size();
  if (size < 0) return WholeFileStatus::kReadError;
  if (static_cast<uint64_t>(size) > max_bytes) return WholeFileStatus::kTooLarge;
  bytes->resize(static_cast<size_t>(size));
  if (!file.ReadAt(0, bytes->data(), bytes->size())) return WholeFileStatus::kReadError;
  return WholeFileStatus::kOk;
}

}  // namespace bv::media
