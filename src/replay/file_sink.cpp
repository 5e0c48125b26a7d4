#include "replay/file_sink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace bv::replay {

FileSink::~FileSink() {
  Close();
}

bool FileSink::Create(const std::string& path, std::string* error) {
  Close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    if (error != nullptr) *error = path + ": " + std::strerror(errno);
    return false;
  }
  path_ = path;
  return true;
}

bool FileSink::Append(const uint8_t* data, size_t size, std::string* error) {
  if (fd_ < 0) {
    if (error != nullptr) *error = "the replay file is not open";
    return false;
  }
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error != nullptr) *error = path_ + ": " + std::strerror(n < 0 ? errno : EIO);
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void FileSink::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace bv::replay
