#include "settings/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace bv::settings {

namespace {

namespace fs = std::filesystem;

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool SameFile(int fd, const std::string& path) {
  struct stat open_file {};
  struct stat named {};
  return ::fstat(fd, &open_file) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

int Lock(int fd, int how) {
  int rc;
  do {
    rc = ::flock(fd, how);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

// Opens and locks the temporary. Another saver may rename the file we opened
// while we wait for its lock, so the lock only counts when the name still
// leads to the file we hold.
int OpenLockedTemporary(const std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    if (Lock(fd, LOCK_EX) != 0) {
      ::close(fd);
      return -1;
    }
    struct stat st {};
    if (SameFile(fd, temp) && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
    ::close(fd);
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

// "config.dat.tmp1234-0" of an older build: the pid, when the name has that shape.
bool OldTemporaryPid(const std::string& name, const std::string& base, long* pid) {
  const std::string prefix = base + ".tmp";
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string rest = name.substr(prefix.size());
  const auto dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || dash + 1 == rest.size() || dash > 9) return false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (i == dash) continue;
    if (rest[i] < '0' || rest[i] > '9') return false;
  }
  *pid = std::stol(rest.substr(0, dash));
  return true;
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) {
  return path + ".tmp";
}

bool WriteFileAtomically(const std::string& path, const uint8_t* src, std::size_t count) {
  return detail::WriteFileAtomicallyWith(path, src, count, PosixWrite);
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void RemoveStaleTemporary(const std::string& path) {
  const std::string temp = TemporaryPathFor(path);
  const int fd = ::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    // A save holding the lock is running now: its file is not stale.
    if (Lock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, temp)) ::unlink(temp.c_str());
    ::close(fd);
  } else if (errno == ELOOP) {
    ::unlink(temp.c_str());  // a link under our name is nothing we wrote
  }

  std::error_code ec;
  const fs::path target(path);
  const std::string base = target.filename().string();
  for (fs::directory_iterator it(DirectoryOf(path), ec), end; !ec && it != end;
       it.increment(ec)) {
    long pid = 0;
    if (!OldTemporaryPid(it->path().filename().string(), base, &pid)) continue;
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

namespace detail {

bool WriteFileAtomicallyWith(const std::string& path, const uint8_t* src, std::size_t count,
                             WriteFn write_fn) {
  const std::string temp = TemporaryPathFor(path);
  const int fd = OpenLockedTemporary(temp);
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    (void)::fchmod(fd, old.st_mode & 07777);
  }
  // Rename while the lock is held, so no other saver writes into the result.
  bool ok = ::ftruncate(fd, 0) == 0 && WriteAll(fd, src, count, write_fn) && ::fsync(fd) == 0 &&
            ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  ::close(fd);  // after fsync and rename nothing is left to fail
  if (!ok) return false;
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
