#include "settings/block_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace bv::settings {

namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Opens a fresh temporary file beside `path`. The mode 0666 goes through the
// umask like any newly created file.
int OpenTemporary(const std::string& path, std::string* temp_path) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(temp_path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const uint8_t* src, std::size_t count, detail::WriteFn write_fn) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = write_fn(fd, src + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

ssize_t PosixWrite(int fd, const void* buf, std::size_t n) {
  return ::write(fd, buf, n);
}

}  // namespace

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
  return detail::SaveBlockWith(path, src, count, PosixWrite);
}

namespace detail {

bool SaveBlockWith(const std::string& path, const uint8_t* src, std::size_t count,
                   WriteFn write_fn) {
  std::string temp;
  const int fd = OpenTemporary(path, &temp);
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    (void)::fchmod(fd, old.st_mode & 07777);
  }
  bool ok = WriteAll(fd, src, count, write_fn) && ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable; the data is already safe, so a folder
  // that cannot be synced is no failure.
  const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace detail

}  // namespace bv::settings
