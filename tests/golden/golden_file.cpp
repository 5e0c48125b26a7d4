#include "golden/golden_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace bv::golden {

std::string Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::vector<std::string> ReadGolden(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

void WriteGolden(const std::string& path, const std::string& header,
                 const std::vector<std::string>& lines) {
  std::ostringstream text;
  std::istringstream header_lines(header);
  std::string line;
  while (std::getline(header_lines, line)) text << (line.empty() ? "#" : "# " + line) << "\n";
  for (const std::string& l : lines) text << l << "\n";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text.str();
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace bv::golden
