#include "level/decompile.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "level/code_names.h"
#include "level/level_source.h"

namespace bv::level {

namespace {

// Characters a decompiled legend tries first, by what the cell is.
const char* PreferredKeys(const Cell& c) {
  if (c.entity == 1) return "1";
  if (c.entity == 2) return "2";
  if (c.entity != 0) return "";
  switch (c.object) {
    case obj::kSolid:
      return "#%&=|XWHM";
    case obj::kFloor:
      return ".,:;`-_~";
    case obj::kCd:
      return "C";
    case obj::kMedkit:
      return "+";
    case obj::kSteroids:
      return "S";
    case obj::kTrap:
      return "T";
    default:
      return "";
  }
}

// Letters and digits read best in a map; then every other printable character.
std::string FallbackKeys() {
  std::string keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (char c = 33; c <= 126; ++c) {
    if (keys.find(c) == std::string::npos) keys.push_back(c);
  }
  return keys;
}

std::string Hex(const Cell& c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

}  // namespace

std::string CellFields(const Cell& c) {
  std::string out = "texture " + std::to_string(c.texture);
  if (c.r != 255 || c.g != 255 || c.b != 255) out += " tint " + Hex(c);
  if (c.object != 0) {
    std::string name = ObjectName(c.object);
    out += " object " + (name.empty() ? std::to_string(c.object) : name);
  }
  if (c.entity != 0) {
    std::string name = EntityName(c.entity);
    out += " entity " + (name.empty() ? std::to_string(c.entity) : name);
  }
  return out;
}

std::string Decompile(const LevelImage& image, const std::string& origin) {
  int width = 0, height = 0;
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) {
      if (image.at(x, y) != kPadCell) {
        width = std::max(width, x + 1);
        height = std::max(height, y + 1);
      }
    }
  }
  // A map row reading "end" would end the map block.
  if (width == 3) width = 4;

  // Distinct cells by count, the first seen first among equals.
  std::map<Cell, std::pair<int, int>> seen;  // cell -> (count, first index)
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      auto [it, fresh] = seen.try_emplace(image.at(x, y), 0, y * kMapSize + x);
      ++it->second.first;
    }
  }
  std::vector<std::pair<Cell, std::pair<int, int>>> cells(seen.begin(), seen.end());
  std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
    if (a.second.first != b.second.first) return a.second.first > b.second.first;
    return a.second.second < b.second.second;
  });

  std::map<Cell, char> key;
  std::vector<bool> used(128, false);
  auto take = [&](const Cell& cell, char k) {
    key[cell] = k;
    used[static_cast<unsigned char>(k)] = true;
  };
  // Preferred characters first, in count order, then whatever is left.
  for (const auto& [cell, stats] : cells) {
    for (const char* p = PreferredKeys(cell); *p != '\0'; ++p) {
      if (!used[static_cast<unsigned char>(*p)]) {
        take(cell, *p);
        break;
      }
    }
  }
  const std::string fallback = FallbackKeys();
  for (const auto& [cell, stats] : cells) {
    if (key.count(cell) != 0) continue;
    for (char k : fallback) {
      if (!used[static_cast<unsigned char>(k)]) {
        take(cell, k);
        break;
      }
    }
    // Past 94 distinct cells the rest go into "at" lines; keep the map's
    // character for them the most common one.
    if (key.count(cell) == 0) break;
  }

  std::string out;
  out += "# Decompiled by brimvale-level from " + origin + ".\n";
  out += "level-source " + std::to_string(kSourceVersion) + "\n";
  if (height == 0) return out;

  out += "\nlegend\n";
  for (const auto& [cell, stats] : cells) {
    auto it = key.find(cell);
    if (it == key.end()) continue;
    char k = it->second;
    out += "  '" + std::string(1, k) + "' " + CellFields(cell) + "  # " +
           std::to_string(stats.first) + (stats.first == 1 ? " cell\n" : " cells\n");
  }
  out += "end\n\nmap\n";
  const char filler = key.at(cells.front().first);
  std::string at_lines;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const Cell& c = image.at(x, y);
      auto it = key.find(c);
      if (it != key.end()) {
        row.push_back(it->second);
      } else {
        row.push_back(filler);
        at_lines +=
            "at " + std::to_string(x) + " " + std::to_string(y) + " " + CellFields(c) + "\n";
      }
    }
    out += row + "\n";
  }
  out += "end\n";
  if (!at_lines.empty()) out += "\n# Cells without a legend character.\n" + at_lines;
  return out;
}

}  // namespace bv::level
