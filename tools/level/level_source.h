#pragma once

// The readable level source: a legend of characters standing for whole cells
// and a map drawn with them. docs/levels.md describes the format.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "level/code_names.h"
#include "level/level_image.h"

namespace bv::level {

struct SourceLocation {
  std::string file;
  int line = 0;                // 1-based; 0 when not known
  int column = 0;              // 1-based byte column; 0 for the whole line
  std::string Format() const;  // "file:line:column"
};

struct Diagnostic {
  SourceLocation where;
  std::string message;
  std::string Format() const;  // "file:line:column: error: message"
};

// A parsed source: the cells, what the header declares, and where each cell
// was written, so that the checker can point into the source.
struct LevelSource {
  LevelImage image;
  std::string name;
  std::optional<Role> role;
  std::vector<std::string> files;  // the source and every file it includes

  // Where cell (x, y) got its value; file index -1 for padded cells.
  struct Origin {
    int file = -1;
    int line = 0;
    int column = 0;
  };
  std::vector<Origin> origins = std::vector<Origin>(kMapSize * kMapSize);
  const Origin& origin(int x, int y) const {
    return origins[static_cast<size_t>(x * kMapSize + y)];
  }
  // "file:line:column", or empty for a padded cell.
  std::string Where(int x, int y) const;
};

struct ParseResult {
  LevelSource source;
  std::vector<Diagnostic> errors;
  bool ok() const { return errors.empty(); }
};

// Reads a file's text; false when it cannot be read.
using FileLoader = std::function<bool(const std::string& path, std::string& text)>;
bool LoadFromDisk(const std::string& path, std::string& text);

ParseResult ParseSourceFile(const std::string& path, const FileLoader& loader = LoadFromDisk);
// `file` names the text in messages; includes are resolved beside it.
ParseResult ParseSourceText(const std::string& text, const std::string& file,
                            const FileLoader& loader = LoadFromDisk);

// True when the text starts (after comments and blank lines) with "level-source".
bool LooksLikeSource(const std::string& text);

constexpr int kSourceVersion = 1;
constexpr int kMaxErrors = 20;

}  // namespace bv::level
