#pragma once

// Runs a check without root's right to read and write everything, so the
// permission cases are tested on any machine: as root it runs in a child
// process that has become "nobody".

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace bv::test {

constexpr uid_t kNobody = 65534;

// The check's result; false when the child could not be run.
inline bool AsUnprivileged(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace bv::test
