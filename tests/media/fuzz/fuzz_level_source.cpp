// libFuzzer target: the .lvl compiler. The input is a level source; an
// include of "self.lvl" reads the input again (nesting and cycles), one of
// "legend.lvh" a small fixed legend. A source that compiles is checked,
// decompiled and compiled again to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "level/check.h"
#include "level/decompile.h"
#include "level/level_source.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 200000) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bv::level::FileLoader loader = [&](const std::string& path, std::string& out) {
    if (path.size() >= 8 && path.compare(path.size() - 8, 8, "self.lvl") == 0) {
      out = text;
      return true;
    }
    if (path.size() >= 10 && path.compare(path.size() - 10, 10, "legend.lvh") == 0) {
      out = "legend\n  '#' texture 1 object solid\n  '.' texture 2\nend\nconst WALL 1\n";
      return true;
    }
    return false;
  };
  const bv::level::ParseResult parsed = bv::level::ParseSourceText(text, "fuzz.lvl", loader);
  Check(parsed.ok() || !parsed.errors.empty());
  for (const bv::level::Diagnostic& d : parsed.errors) Check(!d.Format().empty());
  if (!parsed.ok()) return 0;
  const bv::level::LevelImage& image = parsed.source.image;
  const bv::level::CheckReport report = bv::level::CheckLevel(
      image, parsed.source.role.value_or(bv::level::Role::kCustom),
      [&](int x, int y) { return parsed.source.Where(x, y); });
  (void)bv::level::FormatReport(report, "fuzz");
  const std::string again = bv::level::Decompile(image, "fuzz.dmp");
  const bv::level::ParseResult back = bv::level::ParseSourceText(again, "again.lvl", loader);
  Check(back.ok() && back.source.image.ToBytes() == image.ToBytes());
  return 0;
}
