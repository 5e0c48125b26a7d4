// brimvale-level: compiles level sources into level files, turns level files
// back into sources, and checks levels. See docs/levels.md.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "level/check.h"
#include "level/decompile.h"
#include "level/level_image.h"
#include "level/level_source.h"

namespace {

using namespace bv::level;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // compile errors, or a check that found problems
constexpr int kExitUsage = 2;   // bad arguments or unreadable input

constexpr const char* kUsage =
    "usage: brimvale-level compile SOURCE OUT.dmp\n"
    "       brimvale-level decompile IN.dmp SOURCE\n"
    "       brimvale-level check [--role campaign|arena|custom|menu] [--quiet] FILE\n"
    "FILE is a level source or a 60000-byte level file.\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

void PrintErrors(const ParseResult& parsed) {
  for (const Diagnostic& d : parsed.errors) std::fprintf(stderr, "%s\n", d.Format().c_str());
  if (static_cast<int>(parsed.errors.size()) >= kMaxErrors) {
    std::fprintf(stderr, "(stopped after %d errors)\n", kMaxErrors);
  }
}

int Compile(const std::string& source, const std::string& out) {
  ParseResult parsed = ParseSourceFile(source);
  if (!parsed.ok()) {
    PrintErrors(parsed);
    return kExitFailed;
  }
  std::string error;
  if (!WriteLevelFile(out, parsed.source.image, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitUsage;
  }
  return kExitOk;
}

int DecompileFile(const std::string& in, const std::string& out) {
  LevelImage image;
  std::string error;
  if (!ReadLevelFile(in, image, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitUsage;
  }
  std::string text = Decompile(image, in);
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) {
    std::fprintf(stderr, "%s: cannot write\n", out.c_str());
    return kExitUsage;
  }
  return kExitOk;
}

int Check(const std::vector<std::string>& args) {
  std::string path, role_name;
  bool quiet = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--quiet") {
      quiet = true;
    } else if (args[i] == "--role" && i + 1 < args.size()) {
      role_name = args[++i];
    } else if (path.empty() && !args[i].empty() && args[i][0] != '-') {
      path = args[i];
    } else {
      return Usage();
    }
  }
  if (path.empty()) return Usage();
  std::optional<Role> forced;
  if (!role_name.empty()) {
    forced = RoleByName(role_name);
    if (!forced) return Usage();
  }

  std::string text;
  if (!LoadFromDisk(path, text)) {
    std::fprintf(stderr, "%s: cannot read\n", path.c_str());
    return kExitUsage;
  }
  CheckReport report;
  std::string title = path;
  if (LooksLikeSource(text)) {
    ParseResult parsed = ParseSourceText(text, path);
    if (!parsed.ok()) {
      PrintErrors(parsed);
      return kExitUsage;
    }
    const LevelSource& src = parsed.source;
    Role role = forced.value_or(src.role.value_or(Role::kCustom));
    if (!src.name.empty()) title += " \"" + src.name + "\"";
    report = CheckLevel(src.image, role, [&src](int x, int y) { return src.Where(x, y); });
  } else if (text.size() == static_cast<size_t>(kFileSize)) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    report = CheckLevel(LevelImage::FromBytes(bytes), forced.value_or(Role::kCampaign));
  } else {
    std::fprintf(stderr,
                 "%s: neither a level source (starting with 'level-source') nor a %d-byte level "
                 "file\n",
                 path.c_str(), kFileSize);
    return kExitUsage;
  }
  std::fputs(FormatReport(report, title, quiet).c_str(), report.ok() ? stdout : stderr);
  return report.ok() ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  if (args.size() == 1 && args[0] == "--help") {
    std::fputs(kUsage, stdout);
    std::fputs("  --role R   check the level as what it is used for (default: its source's role)\n"
               "  --quiet    problems and warnings only\n"
               "  --help     this text\n",
               stdout);
    return kExitOk;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "compile" && args.size() == 2) return Compile(args[0], args[1]);
  if (command == "decompile" && args.size() == 2) return DecompileFile(args[0], args[1]);
  if (command == "check") return Check(args);
  return Usage();
}
