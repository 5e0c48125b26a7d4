// brimvale-assets: generates the game's data tree (textures, objects, sprites,
// font, sounds) and, on request, a contact sheet for reviewing the art.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "generator.h"
#include "icon.h"
#include "png_writer.h"
#include "texture_kit.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: brimvale-assets --out DATA_DIR [--fonts DIR]\n"
               "       brimvale-assets --sheet FILE.png [--fonts DIR]\n"
               "       brimvale-assets --icons DIR\n");
  return 2;
}

// The desktop icon theme's files under dir: <n>x<n>/apps/<id>.png and
// scalable/apps/<id>.svg.
void WriteIcons(const std::string& dir) {
  namespace fs = std::filesystem;
  const std::string id = bv::assets::kAppId;
  for (int size : bv::assets::kIconPngSizes) {
    const fs::path folder = fs::path(dir) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    bv::assets::SavePng(bv::assets::RasterIcon(size), (folder / (id + ".png")).string());
  }
  const fs::path folder = fs::path(dir) / "scalable" / "apps";
  fs::create_directories(folder);
  std::ofstream svg(folder / (id + ".svg"), std::ios::binary | std::ios::trunc);
  svg << bv::assets::IconSvg();
  svg.close();
  if (!svg) throw std::runtime_error("cannot write " + (folder / (id + ".svg")).string());
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, sheet, icons, fonts = BV_DEJAVU_DIR;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--out" && i + 1 < argc) out = argv[++i];
    else if (a == "--sheet" && i + 1 < argc) sheet = argv[++i];
    else if (a == "--fonts" && i + 1 < argc) fonts = argv[++i];
    else if (a == "--icons" && i + 1 < argc) icons = argv[++i];
    else if (a == "--quiet") quiet = true;
    else if (a == "--sheet-crop" && i + 3 < argc) {
      int y = std::stoi(argv[i + 1]), h = std::stoi(argv[i + 2]);
      bv::assets::Image full = bv::assets::ContactSheet(fonts);
      bv::assets::SavePng(full.Crop(0, y, full.width(), h), argv[i + 3]);
      return 0;
    } else if (a == "--scene" && i + 1 < argc) {
      bv::assets::Fonts f(fonts);
      bv::assets::TextureFontsScope scope(&f);
      bv::assets::Image on = bv::assets::SceneMock(f, true), off = bv::assets::SceneMock(f, false);
      bv::assets::Image both(640, 960);
      both.Copy(on, 0, 0);
      both.Copy(off, 0, 480);
      bv::assets::SavePng(both, argv[++i]);
      return 0;
    } else if (a == "--preview" && i + 4 < argc) {
      int first = std::stoi(argv[i + 1]), last = std::stoi(argv[i + 2]), scale = std::stoi(argv[i + 3]);
      bv::assets::SavePng(bv::assets::Preview(fonts, first, last, scale), argv[i + 4]);
      return 0;
    }
    else return Usage();
  }
  if (out.empty() && sheet.empty() && icons.empty()) return Usage();
  try {
    auto start = std::chrono::steady_clock::now();
    if (!out.empty()) {
      auto files = bv::assets::GenerateData(fonts);
      bv::assets::WriteData(files, out);
      size_t bytes = 0;
      for (const auto& f : files) bytes += f.bytes.size();
      double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (!quiet)
        std::printf("brimvale-assets: %zu files, %.1f MiB in %s, %.2f s\n", files.size(),
                    bytes / 1048576.0, out.c_str(), secs);
    }
    if (!sheet.empty()) bv::assets::SavePng(bv::assets::ContactSheet(fonts), sheet);
    if (!icons.empty()) WriteIcons(icons);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "brimvale-assets: %s\n", e.what());
    return 1;
  }
  return 0;
}
