#include "level/level_source.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace bv::level {

std::string SourceLocation::Format() const {
  std::string out = file;
  if (line > 0) out += ":" + std::to_string(line);
  if (line > 0 && column > 0) out += ":" + std::to_string(column);
  return out;
}

std::string Diagnostic::Format() const {
  return where.Format() + ": error: " + message;
}

std::string LevelSource::Where(int x, int y) const {
  const Origin& o = origin(x, y);
  if (o.file < 0 || o.file >= static_cast<int>(files.size())) return {};
  return SourceLocation{files[static_cast<size_t>(o.file)], o.line, o.column}.Format();
}

bool LoadFromDisk(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return false;
  text = ss.str();
  return true;
}

namespace {

constexpr int kMaxIncludeDepth = 8;
constexpr size_t kMaxSourceBytes = 4 * 1024 * 1024;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsKeyChar(char c) {
  return c >= 33 && c <= 126;
}

struct Token {
  enum Kind { kWord, kString, kChar } kind = kWord;
  std::string text;  // the word, the string's content or the one character
  int column = 0;
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines.push_back(cur);
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) {
    if (cur.back() == '\r') cur.pop_back();
    lines.push_back(cur);
  }
  return lines;
}

bool ParseInteger(const std::string& s, long& out) {
  if (s.empty() || s.size() > 12) return false;
  size_t i = 0;
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    i = 2;
  }
  long v = 0;
  for (; i < s.size(); ++i) {
    int d;
    char c = s[i];
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
      d = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    } else {
      return false;
    }
    v = v * base + d;
  }
  out = v;
  return true;
}

bool IsIdentifier(const std::string& s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  for (char c : s) {
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  }
  return true;
}

std::string Quote(char c) {
  return std::string("'") + c + "'";
}

class Parser {
 public:
  Parser(const FileLoader& loader, ParseResult& result) : loader_(loader), result_(result) {
    written_.assign(kMapSize * kMapSize, false);
  }

  void ParseMain(const std::string& text, const std::string& file) {
    ParseFile(text, file, 0, false);
    if (!seen_header_ && result_.errors.empty()) {
      Error(file, 1, 1,
            "a level source starts with 'level-source " + std::to_string(kSourceVersion) + "'");
    }
    Cell pad = pad_.value_or(kPadCell);
    for (int x = 0; x < kMapSize; ++x) {
      for (int y = 0; y < kMapSize; ++y) {
        if (!written_[static_cast<size_t>(x * kMapSize + y)]) result_.source.image.at(x, y) = pad;
      }
    }
  }

 private:
  struct LegendEntry {
    Cell cell;
    SourceLocation where;
  };
  struct Const {
    std::string value;
    SourceLocation where;
  };
  enum class Block { kNone, kLegend, kMap };

  // ---- Diagnostics ------------------------------------------------------

  bool Full() const { return static_cast<int>(result_.errors.size()) >= kMaxErrors; }

  void Error(const std::string& file, int line, int column, const std::string& message) {
    if (Full()) return;
    result_.errors.push_back({{file, line, column}, message});
  }
  void Error(int column, const std::string& message) { Error(file_, line_, column, message); }

  // ---- Files -------------------------------------------------------------

  void ParseFile(const std::string& text, const std::string& file, int depth, bool is_include) {
    if (text.size() > kMaxSourceBytes) {
      Error(file, 0, 0, "source is larger than " + std::to_string(kMaxSourceBytes) + " bytes");
      return;
    }
    result_.source.files.push_back(file);
    const int file_index = static_cast<int>(result_.source.files.size()) - 1;
    const std::string saved_file = file_;
    const int saved_line = line_, saved_index = file_index_;
    const bool saved_include = in_include_;
    file_ = file;
    file_index_ = file_index;
    in_include_ = is_include;
    depth_ = depth;

    Block block = Block::kNone;
    int block_line = 0;
    std::vector<std::string> lines = SplitLines(text);
    std::vector<Token> tokens;  // one line's, reused
    for (size_t i = 0; i < lines.size() && !Full(); ++i) {
      line_ = static_cast<int>(i) + 1;
      const std::string& l = lines[i];
      if (block == Block::kMap) {
        if (MapLine(l)) block = Block::kNone;
        continue;
      }
      tokens.clear();
      if (!Tokenize(l, tokens)) continue;
      if (tokens.empty()) continue;
      if (block == Block::kLegend) {
        if (IsWord(tokens[0], "end")) {
          ExpectCount(tokens, 1);
          block = Block::kNone;
        } else {
          LegendLine(tokens);
        }
        continue;
      }
      Statement(tokens, block);
      if (block == Block::kLegend || block == Block::kMap) block_line = line_;
    }
    if (block != Block::kNone && !Full()) {
      Error(file_, block_line, 1,
            std::string(block == Block::kMap ? "map" : "legend") + " block has no 'end'");
    }
    file_ = saved_file;
    line_ = saved_line;
    file_index_ = saved_index;
    in_include_ = saved_include;
  }

  // Splits a line into tokens; false (with an error) on a malformed token.
  bool Tokenize(const std::string& l, std::vector<Token>& out) {
    size_t i = 0;
    while (i < l.size()) {
      char c = l[i];
      if (IsBlank(c)) {
        ++i;
        continue;
      }
      const int column = static_cast<int>(i) + 1;
      if (c == '#') break;
      if (c == '"') {
        size_t j = i + 1;
        std::string s;
        while (j < l.size() && l[j] != '"') {
          if (l[j] == '\\' && j + 1 < l.size()) ++j;
          s.push_back(l[j]);
          ++j;
        }
        if (j >= l.size()) {
          Error(column, "string has no closing '\"'");
          return false;
        }
        out.push_back({Token::kString, s, column});
        i = j + 1;
        continue;
      }
      if (c == '\'') {
        if (i + 2 < l.size() && l[i + 2] == '\'' && IsKeyChar(l[i + 1])) {
          out.push_back({Token::kChar, std::string(1, l[i + 1]), column});
          i += 3;
          if (i < l.size() && !IsBlank(l[i]) && l[i] != '#') {
            Error(static_cast<int>(i) + 1, "expected a space after the character");
            return false;
          }
          continue;
        }
        Error(column, "a character is written 'X', X one printable character other than space");
        return false;
      }
      if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) {
        Error(column, "unexpected byte " + std::to_string(static_cast<unsigned char>(c)));
        return false;
      }
      size_t j = i;
      while (j < l.size() && !IsBlank(l[j]) && l[j] != '#') ++j;
      out.push_back({Token::kWord, l.substr(i, j - i), column});
      i = j;
    }
    return true;
  }

  static bool IsWord(const Token& t, const char* w) {
    return t.kind == Token::kWord && t.text == w;
  }

  bool ExpectCount(const std::vector<Token>& t, size_t n) {
    if (t.size() > n) {
      Error(t[n].column, "unexpected '" + t[n].text + "'");
      return false;
    }
    return true;
  }

  // ---- Top-level statements ----------------------------------------------

  void Statement(const std::vector<Token>& t, Block& block) {
    const Token& head = t[0];
    if (head.kind != Token::kWord) {
      Error(head.column,
            "expected a statement (level-source, name, role, include, const, pad, "
            "legend, map, at)");
      return;
    }
    const std::string& w = head.text;
    if (!seen_header_ && w != "level-source") {
      Error(head.column,
            "a level source starts with 'level-source " + std::to_string(kSourceVersion) + "'");
      seen_header_ = true;  // one complaint is enough
      return;
    }
    if (in_include_ &&
        (w == "level-source" || w == "name" || w == "role" || w == "map" || w == "at")) {
      Error(head.column, "'" + w + "' is not allowed in an included file");
      return;
    }
    if (w == "level-source") {
      if (seen_header_) {
        Error(head.column, "'level-source' appears twice");
        return;
      }
      seen_header_ = true;
      long v = 0;
      if (t.size() < 2 || t[1].kind != Token::kWord || !ParseInteger(t[1].text, v)) {
        Error(t.size() < 2 ? 0 : t[1].column, "expected the format version after 'level-source'");
        return;
      }
      if (v != kSourceVersion) {
        Error(t[1].column, "format version " + t[1].text + " is not known (this tool reads " +
                               std::to_string(kSourceVersion) + ")");
        return;
      }
      ExpectCount(t, 2);
    } else if (w == "name") {
      if (t.size() < 2 || t[1].kind != Token::kString) {
        Error(t.size() < 2 ? 0 : t[1].column, "expected a quoted name");
        return;
      }
      result_.source.name = t[1].text;
      ExpectCount(t, 2);
    } else if (w == "role") {
      if (t.size() < 2 || t[1].kind != Token::kWord || !RoleByName(t[1].text)) {
        Error(t.size() < 2 ? 0 : t[1].column, "expected a role: campaign, arena, custom or menu");
        return;
      }
      if (result_.source.role) {
        Error(head.column, "'role' appears twice");
        return;
      }
      result_.source.role = RoleByName(t[1].text);
      ExpectCount(t, 2);
    } else if (w == "include") {
      Include(t);
    } else if (w == "const") {
      DefineConst(t);
    } else if (w == "pad") {
      Pad(t);
    } else if (w == "legend") {
      if (ExpectCount(t, 1)) block = Block::kLegend;
    } else if (w == "map") {
      BeginMap(t, block);
    } else if (w == "at") {
      At(t);
    } else {
      Error(head.column, "unknown statement '" + w + "'");
    }
  }

  void Include(const std::vector<Token>& t) {
    if (t.size() < 2 || t[1].kind != Token::kString) {
      Error(t.size() < 2 ? 0 : t[1].column, "expected a quoted file name after 'include'");
      return;
    }
    if (!ExpectCount(t, 2)) return;
    if (depth_ + 1 > kMaxIncludeDepth) {
      Error(t[1].column, "includes nest deeper than " + std::to_string(kMaxIncludeDepth));
      return;
    }
    std::filesystem::path base = std::filesystem::path(file_).parent_path();
    std::string path = (base / t[1].text).lexically_normal().string();
    std::string text;
    if (!loader_(path, text)) {
      Error(t[1].column, "cannot read included file '" + path + "'");
      return;
    }
    const int saved_depth = depth_;
    ParseFile(text, path, depth_ + 1, true);
    depth_ = saved_depth;
  }

  void DefineConst(const std::vector<Token>& t) {
    if (t.size() < 3 || t[1].kind != Token::kWord || t[2].kind != Token::kWord) {
      Error(t.size() < 2 ? 0 : t[1].column, "expected 'const NAME VALUE'");
      return;
    }
    const std::string& name = t[1].text;
    if (!IsIdentifier(name)) {
      Error(t[1].column, "a constant's name is letters, digits and '_', not starting with a digit");
      return;
    }
    if (ObjectByName(name) || EntityByName(name) || IsFieldWord(name)) {
      Error(t[1].column, "'" + name + "' is already a name of the format");
      return;
    }
    auto it = consts_.find(name);
    if (it != consts_.end()) {
      Error(t[1].column,
            "constant '" + name + "' is already defined at " + it->second.where.Format());
      return;
    }
    if (!ExpectCount(t, 3)) return;
    std::string value = t[2].text;
    auto inner = consts_.find(value);
    if (inner != consts_.end()) value = inner->second.value;  // one level of naming
    consts_[name] = {value, {file_, line_, t[1].column}};
  }

  static bool IsFieldWord(const std::string& w) {
    return w == "like" || w == "texture" || w == "tint" || w == "object" || w == "entity" ||
           w == "end";
  }

  void Pad(const std::vector<Token>& t) {
    if (pad_) {
      Error(t[0].column, "'pad' appears twice");
      return;
    }
    Cell cell = kPadCell;
    if (t.size() == 2 && t[1].kind == Token::kChar) {
      auto it = legend_.find(t[1].text[0]);
      if (it == legend_.end()) {
        Error(t[1].column, Quote(t[1].text[0]) + " is not in the legend");
        return;
      }
      cell = it->second.cell;
    } else if (!Fields(t, 1, cell, false)) {
      return;
    }
    pad_ = cell;
  }

  void BeginMap(const std::vector<Token>& t, Block& block) {
    long x = 0, y = 0;
    if (t.size() != 1) {
      if (t.size() != 3 || !Coordinate(t[1], x) || !Coordinate(t[2], y)) {
        if (t.size() != 3) Error(t[0].column, "expected 'map' or 'map X Y'");
        return;
      }
    }
    map_x_ = static_cast<int>(x);
    map_y_ = static_cast<int>(y);
    map_row_ = 0;
    block = Block::kMap;
  }

  bool Coordinate(const Token& t, long& v) {
    if (t.kind != Token::kWord || !ParseInteger(t.text, v) || v < 0 || v >= kMapSize) {
      Error(t.column, "a coordinate is a number from 0 to " + std::to_string(kMapSize - 1));
      return false;
    }
    return true;
  }

  void At(const std::vector<Token>& t) {
    long x = 0, y = 0;
    if (t.size() < 4) {
      Error(t[0].column, "expected 'at X Y' and a character or cell fields");
      return;
    }
    if (!Coordinate(t[1], x) || !Coordinate(t[2], y)) return;
    Cell cell = kPadCell;
    if (t.size() == 4 && t[3].kind == Token::kChar) {
      auto it = legend_.find(t[3].text[0]);
      if (it == legend_.end()) {
        Error(t[3].column, Quote(t[3].text[0]) + " is not in the legend");
        return;
      }
      cell = it->second.cell;
    } else {
      cell = Cell{0, 255, 255, 255, 0, 0};
      if (!Fields(t, 3, cell, true)) return;
    }
    Put(static_cast<int>(x), static_cast<int>(y), cell, t[0].column);
  }

  void Put(int x, int y, const Cell& cell, int column) {
    result_.source.image.at(x, y) = cell;
    written_[static_cast<size_t>(x * kMapSize + y)] = true;
    result_.source.origins[static_cast<size_t>(x * kMapSize + y)] = {file_index_, line_, column};
  }

  // ---- Legend --------------------------------------------------------------

  void LegendLine(const std::vector<Token>& t) {
    if (t[0].kind != Token::kChar) {
      Error(t[0].column, "a legend line starts with its character in quotes, like '#'");
      return;
    }
    char key = t[0].text[0];
    auto it = legend_.find(key);
    if (it != legend_.end()) {
      Error(t[0].column, Quote(key) + " is already in the legend at " + it->second.where.Format());
      return;
    }
    Cell cell{0, 255, 255, 255, 0, 0};
    Fields(t, 1, cell, true);
    // Defined even after an error, so that the map does not repeat the complaint.
    legend_[key] = {cell, {file_, line_, t[0].column}};
  }

  // Reads "like 'K'", "texture V", "tint RRGGBB", "object V", "entity V" from
  // token `i` on into `cell`.
  bool Fields(const std::vector<Token>& t, size_t i, Cell& cell, bool allow_like) {
    bool seen_texture = false, seen_tint = false, seen_object = false, seen_entity = false;
    bool ok = true;
    if (i >= t.size()) {
      Error(t.back().column, "expected cell fields: texture, tint, object, entity");
      return false;
    }
    for (; i < t.size(); ++i) {
      const Token& f = t[i];
      if (f.kind != Token::kWord) {
        Error(f.column, "expected a field name: like, texture, tint, object or entity");
        return false;
      }
      const bool has_value = i + 1 < t.size();
      if (!has_value) {
        Error(f.column, "'" + f.text + "' needs a value");
        return false;
      }
      const Token& v = t[i + 1];
      if (f.text == "like") {
        if (!allow_like || seen_texture || seen_tint || seen_object || seen_entity) {
          Error(f.column,
                allow_like ? "'like' comes before the other fields" : "'like' is not allowed here");
          return false;
        }
        if (v.kind != Token::kChar) {
          Error(v.column, "'like' takes a legend character in quotes");
          return false;
        }
        auto it = legend_.find(v.text[0]);
        if (it == legend_.end()) {
          Error(v.column, Quote(v.text[0]) + " is not in the legend (yet)");
          return false;
        }
        cell = it->second.cell;
        allow_like = false;
      } else if (f.text == "texture") {
        ok = Once(f, seen_texture) && Byte(v, "texture", nullptr, cell.texture) && ok;
      } else if (f.text == "tint") {
        ok = Once(f, seen_tint) && Tint(v, cell) && ok;
      } else if (f.text == "object") {
        ok = Once(f, seen_object) && Byte(v, "object", ObjectByName, cell.object) && ok;
      } else if (f.text == "entity") {
        ok = Once(f, seen_entity) && Byte(v, "entity", EntityByName, cell.entity) && ok;
      } else {
        Error(f.column, "unknown field '" + f.text + "' (like, texture, tint, object, entity)");
        return false;
      }
      ++i;
      if (!ok) return false;
    }
    return ok;
  }

  bool Once(const Token& f, bool& seen) {
    if (seen) {
      Error(f.column, "'" + f.text + "' is given twice");
      return false;
    }
    seen = true;
    return true;
  }

  // The text behind a value token: a constant's value, or the word itself.
  std::string Resolve(const Token& v) const {
    auto it = consts_.find(v.text);
    return it != consts_.end() ? it->second.value : v.text;
  }

  bool Byte(const Token& v, const char* what, std::optional<int> (*by_name)(const std::string&),
            uint8_t& out) {
    if (v.kind != Token::kWord) {
      Error(v.column, std::string("expected a number for ") + what);
      return false;
    }
    std::string text = Resolve(v);
    long n = 0;
    if (ParseInteger(text, n)) {
      if (n > 255) {
        Error(v.column, std::string(what) + " " + text + " is out of range 0..255");
        return false;
      }
      out = static_cast<uint8_t>(n);
      return true;
    }
    if (by_name != nullptr) {
      if (std::optional<int> code = by_name(text)) {
        out = static_cast<uint8_t>(*code);
        return true;
      }
    }
    Error(v.column,
          std::string("unknown ") + what + " '" + v.text + "'" +
              (by_name != nullptr ? " (a number 0..255 or a name)" : " (a number 0..255)"));
    return false;
  }

  bool Tint(const Token& v, Cell& cell) {
    std::string text = v.kind == Token::kWord ? Resolve(v) : std::string();
    bool ok = text.size() == 6;
    for (char c : text) ok = ok && std::isxdigit(static_cast<unsigned char>(c));
    if (!ok) {
      Error(v.column, "a tint is six hex digits RRGGBB, like ffffff");
      return false;
    }
    long rgb = std::stol(text, nullptr, 16);
    cell.r = static_cast<uint8_t>(rgb >> 16);
    cell.g = static_cast<uint8_t>(rgb >> 8);
    cell.b = static_cast<uint8_t>(rgb);
    return true;
  }

  // ---- Map -----------------------------------------------------------------

  // One line inside a map block; true at its 'end'.
  bool MapLine(const std::string& l) {
    size_t n = 0;
    while (n < l.size() && !IsBlank(l[n])) ++n;
    // The rest of the line: blank or a comment.
    size_t rest = n;
    while (rest < l.size() && IsBlank(l[rest])) ++rest;
    const bool rest_ok = rest >= l.size() || l[rest] == '#';
    if (n == 0) {
      if (rest >= l.size()) {
        Error(1, "empty map row: draw the row with legend characters (or end the map)");
      } else {
        Error(1, "map rows start in the first column (and comments follow a row)");
      }
      return false;
    }
    if (!rest_ok) {
      Error(static_cast<int>(rest) + 1, "a map row is one word; comments after it start with '#'");
      return false;
    }
    std::string row = l.substr(0, n);
    if (row == "end") return true;

    const int y = map_y_ + map_row_;
    ++map_row_;
    if (y >= kMapSize) {
      if (y == kMapSize) Error(1, "the map is taller than " + std::to_string(kMapSize) + " rows");
      return false;
    }
    for (size_t i = 0; i < row.size(); ++i) {
      const int column = static_cast<int>(i) + 1;
      const int x = map_x_ + static_cast<int>(i);
      if (x >= kMapSize) {
        Error(column, "the map is wider than " + std::to_string(kMapSize) + " columns");
        break;
      }
      char c = row[i];
      if (!IsKeyChar(c)) {
        Error(column,
              "unexpected byte " + std::to_string(static_cast<unsigned char>(c)) + " in the map");
        continue;
      }
      auto it = legend_.find(c);
      if (it == legend_.end()) {
        if (missing_.insert(c).second) Error(column, Quote(c) + " is not in the legend");
        continue;
      }
      Put(x, y, it->second.cell, column);
    }
    return false;
  }

  const FileLoader& loader_;
  ParseResult& result_;
  std::map<char, LegendEntry> legend_;
  std::map<std::string, Const> consts_;
  std::optional<Cell> pad_;
  std::vector<bool> written_;
  std::set<char> missing_;
  bool seen_header_ = false;
  bool in_include_ = false;
  int depth_ = 0;
  std::string file_;
  int file_index_ = 0;
  int line_ = 0;
  int map_x_ = 0, map_y_ = 0, map_row_ = 0;
};

}  // namespace

ParseResult ParseSourceText(const std::string& text, const std::string& file,
                            const FileLoader& loader) {
  ParseResult result;
  Parser parser(loader, result);
  parser.ParseMain(text, file);
  return result;
}

ParseResult ParseSourceFile(const std::string& path, const FileLoader& loader) {
  std::string text;
  if (!loader(path, text)) {
    ParseResult result;
    result.errors.push_back({{path, 0, 0}, "cannot read the file"});
    return result;
  }
  return ParseSourceText(text, path, loader);
}

bool LooksLikeSource(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text.substr(0, 4096));
  for (const std::string& l : lines) {
    size_t i = 0;
    while (i < l.size() && IsBlank(l[i])) ++i;
    if (i >= l.size() || l[i] == '#') continue;
    return l.compare(i, 12, "level-source") == 0;
  }
  return false;
}

}  // namespace bv::level
