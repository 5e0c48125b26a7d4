#pragma once

// A scratch program directory for a test, removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bv::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brimvale-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    path_ = made != nullptr ? std::string(made) : std::string();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

  // Creates the folders of a relative path ("data/levels/campaign") and returns it whole.
  std::string MakeDir(const std::string& relative) const {
    std::filesystem::path p = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(p);
    return p.string();
  }
  std::string File(const std::string& relative) const {
    std::filesystem::path p = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(p.parent_path());
    return p.string();
  }

 private:
  std::string path_;
};

}  // namespace bv::test
