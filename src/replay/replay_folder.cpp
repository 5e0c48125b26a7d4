#include "replay/replay_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace bv::replay {

namespace fs = std::filesystem;

std::string RunFileName(const std::tm& t, int attempt) {
  char name[64];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  std::string s = name;
  if (attempt > 1) s += "-" + std::to_string(attempt);
  return s + ".bvr";
}

bool IsRunFileName(const std::string& name) {
  // YYYY-MM-DD_HH-MM-SS, then "-N" or nothing, then ".bvr".
  static const char kShape[] = "dddd-dd-dd_dd-dd-dd";
  const size_t stem = sizeof kShape - 1;
  if (name.size() < stem + 4 || name.compare(name.size() - 4, 4, ".bvr") != 0) return false;
  for (size_t i = 0; i < stem; ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (kShape[i] == 'd' ? !digit : name[i] != kShape[i]) return false;
  }
  const std::string rest = name.substr(stem, name.size() - 4 - stem);
  if (rest.empty()) return true;
  if (rest.size() < 2 || rest.size() > 6 || rest[0] != '-') return false;
  return std::all_of(rest.begin() + 1, rest.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool CreateRunFile(const std::string& dir, std::time_t started, FileSink& sink,
                   std::string* error) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) {
    if (error != nullptr) *error = dir + ": " + ec.message();
    return false;
  }
  std::tm local{};
  localtime_r(&started, &local);
  std::string why;
  for (int attempt = 1; attempt <= 99; ++attempt) {
    const fs::path path = fs::path(dir) / RunFileName(local, attempt);
    if (fs::exists(path, ec)) continue;
    if (sink.Create(path.string(), &why)) return true;
  }
  if (error != nullptr) *error = why.empty() ? dir + ": no free file name" : why;
  return false;
}

std::vector<std::string> PruneRuns(const std::string& dir, size_t keep) {
  std::vector<std::string> runs;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsRunFileName(name) && it->is_regular_file(ec)) runs.push_back(name);
  }
  // The names sort by start time; a later attempt in the same second sorts after.
  std::sort(runs.begin(), runs.end(), [](const std::string& a, const std::string& b) {
    const auto key = [](const std::string& n) {
      const size_t dash = n.size() > 23 ? n.find('-', 19) : std::string::npos;
      const int attempt = dash == std::string::npos ? 1 : std::atoi(n.c_str() + dash + 1);
      return std::make_pair(n.substr(0, 19), attempt);
    };
    return key(a) < key(b);
  });
  std::vector<std::string> removed;
  if (runs.size() <= keep) return removed;
  for (size_t i = 0; i + keep < runs.size(); ++i) {
    if (fs::remove(fs::path(dir) / runs[i], ec)) removed.push_back(runs[i]);
  }
  return removed;
}

}  // namespace bv::replay
