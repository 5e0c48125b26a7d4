#include "settings/block_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace bv::settings {

bool LoadBlock(const std::string& path, uint8_t* dst, std::size_t count) {
  // Non-blocking open: a FIFO or a device under the settings name must not hang the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  std::size_t done = 0;
  while (ok && done < count) {
    const ssize_t n = ::read(fd, dst + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) ok = false;
  return ok;
}

bool SaveBlock(const std::string& path, const uint8_t* src, std::size_t count) {
  return WriteFileAtomically(path, src, count);
}

namespace detail {

bool SaveBlockWith(const std::string& path, const uint8_t* src, std::size_t count,
                   WriteFn write_fn) {
  return WriteFileAtomicallyWith(path, src, count, write_fn);
}

}  // namespace detail

}  // namespace bv::settings
