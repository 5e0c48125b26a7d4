#pragma once

// Runs one of the built command-line tools the way a user or a script would,
// capturing its exit code, standard output and standard error.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace bv::test {

struct ToolResult {
  int exit_code = -1;  // -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// `command` is the tool's path, `args` its arguments as a shell would take them.
inline ToolResult RunTool(const std::string& command, const std::string& args) {
  char out_name[] = "/tmp/brimvale-tool-out-XXXXXX";
  char err_name[] = "/tmp/brimvale-tool-err-XXXXXX";
  int out_fd = ::mkstemp(out_name);
  int err_fd = ::mkstemp(err_name);
  ToolResult r;
  if (out_fd >= 0 && err_fd >= 0) {
    const std::string line =
        command + " " + args + " >" + out_name + " 2>" + err_name + " </dev/null";
    const int status = std::system(line.c_str());
    r.exit_code = (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    r.out = ReadWholeFile(out_name);
    r.err = ReadWholeFile(err_name);
  }
  if (out_fd >= 0) {
    ::close(out_fd);
    ::unlink(out_name);
  }
  if (err_fd >= 0) {
    ::close(err_fd);
    ::unlink(err_name);
  }
  return r;
}

}  // namespace bv::test
