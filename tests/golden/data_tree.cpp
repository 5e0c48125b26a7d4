#include "golden/data_tree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "golden/golden_file.h"

namespace bv::golden {

namespace fs = std::filesystem;

namespace {

const char kHeader[] =
    "The generated data tree (build/data: brimvale-assets and the level compiler), file by\n"
    "file: FNV-1a 64 of the bytes, the size, the path. \"tree\" is FNV-1a 64 over every\n"
    "path, a zero byte, the size as 8 little-endian bytes and the file's bytes, in path\n"
    "order. Checked by `make test`; after an intended change run `make golden`.";

bool Hidden(const fs::path& relative) {
  for (const fs::path& part : relative) {
    if (!part.empty() && part.string()[0] == '.') return true;
  }
  return false;
}

std::string Line(const TreeFile& f) {
  return Hex(f.hash) + " " + std::to_string(f.size) + " " + f.path;
}

// "hash size path" back into its parts; the path may hold spaces.
bool ParseLine(const std::string& line, TreeFile& f) {
  std::istringstream in(line);
  std::string hash;
  if (!(in >> hash >> f.size) || hash.size() != 16) return false;
  in.get();
  std::getline(in, f.path);
  f.hash = std::stoull(hash, nullptr, 16);
  return !f.path.empty();
}

}  // namespace

TreeHash HashTree(const std::string& root) {
  if (!fs::is_directory(root)) throw std::runtime_error(root + " is not a folder");
  TreeHash tree;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
    const fs::path relative = e.path().lexically_relative(root);
    if (Hidden(relative) || !e.is_regular_file()) continue;
    tree.files.push_back({relative.generic_string(), 0, 0});
  }
  std::sort(tree.files.begin(), tree.files.end(),
            [](const TreeFile& a, const TreeFile& b) { return a.path < b.path; });

  Fnv64 whole;
  std::vector<char> buffer(1 << 16);
  for (TreeFile& f : tree.files) {
    std::ifstream in(fs::path(root) / f.path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + f.path);
    f.size = fs::file_size(fs::path(root) / f.path);
    whole.Add(f.path.data(), f.path.size() + 1);  // with the terminating zero
    whole.AddU64(f.size);
    Fnv64 one;
    uint64_t read = 0;
    while (in) {
      in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      const auto n = static_cast<size_t>(in.gcount());
      one.Add(buffer.data(), n);
      whole.Add(buffer.data(), n);
      read += n;
    }
    if (read != f.size) throw std::runtime_error(f.path + " changed while it was read");
    f.hash = one.value();
  }
  tree.hash = whole.value();
  return tree;
}

int CheckDataTree(const std::string& root, const std::string& golden, bool update) {
  const TreeHash tree = HashTree(root);
  const std::string summary = Hex(tree.hash) + " " + std::to_string(tree.files.size()) + " files";
  if (update) {
    std::vector<std::string> lines{"tree " + summary};
    for (const TreeFile& f : tree.files) lines.push_back(Line(f));
    WriteGolden(golden, kHeader, lines);
    std::cout << "data tree: " << summary << " written to " << golden << "\n";
    return 0;
  }

  std::string committed_tree;
  std::map<std::string, TreeFile> committed;
  for (const std::string& line : ReadGolden(golden)) {
    TreeFile f;
    if (line.rfind("tree ", 0) == 0) {
      committed_tree = line.substr(5, 16);
    } else if (ParseLine(line, f)) {
      committed[f.path] = f;
    } else {
      throw std::runtime_error(golden + ": unreadable line \"" + line + "\"");
    }
  }
  if (committed_tree == Hex(tree.hash)) {
    std::cout << "data tree matches: " << summary << "\n";
    return 0;
  }

  std::cout << "data tree differs from " << golden << ": built " << summary << ", committed "
            << (committed_tree.empty() ? "nothing" : committed_tree) << "\n";
  std::vector<std::string> report;
  for (const TreeFile& f : tree.files) {
    auto it = committed.find(f.path);
    if (it == committed.end()) {
      report.push_back("  new       " + f.path);
    } else {
      if (it->second.hash != f.hash || it->second.size != f.size) {
        report.push_back("  changed   " + f.path + " (" + std::to_string(it->second.size) + " -> " +
                         std::to_string(f.size) + " bytes)");
      }
      committed.erase(it);
    }
  }
  for (const auto& [path, f] : committed) report.push_back("  missing   " + path);
  const size_t shown = std::min<size_t>(report.size(), 40);
  for (size_t i = 0; i < shown; ++i) std::cout << report[i] << "\n";
  if (report.size() > shown) std::cout << "  ... and " << report.size() - shown << " more\n";
  std::cout << "A stale file left by an older build goes with a clean build. If the change\n"
               "is intended, run `make golden` and commit "
            << golden << ".\n";
  return 1;
}

}  // namespace bv::golden
