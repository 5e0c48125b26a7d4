// brimvale-inspect image FILE [PW PH TW TH]: loads a .tga or .bmp as the game
// does (A8R8G8B8 pages) and prints its sizes and the checksum of its pages.

#include "media/bitmap_reader.h"
#include "media/converter.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"
#include "subcommand.h"

namespace bv::inspect {
namespace {

int RunImage(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1 && args.size() != 5) return kExitUsage;
  int32_t sizes[4] = {0, 0, 0, 0};
  for (size_t i = 1; i < args.size(); ++i)
    if (!ParseInt32(args[i], &sizes[i - 1])) return kExitUsage;

  media::Bitmap picture;
  try {
    picture = media::ReadBitmapFile(args[0]);
  } catch (const media::ImageReadError& e) {
    PrintJson({{"message", e.what()}}, out);
    return kExitRefused;
  }
  if (args.size() == 1) {  // the whole picture is one pattern in one texture
    sizes[2] = picture.width;
    sizes[3] = picture.height;
  }

  media::PatternPages pages;
  const int32_t rc =
      pages.LoadFromBitmap(picture, sizes[0], sizes[1], sizes[2], sizes[3], media::kFormatA8R8G8B8);
  if (rc != 0) {
    PrintJson(CodeJson(rc), out);
    return kExitRefused;
  }
  std::vector<uint8_t> all;
  for (const std::vector<uint8_t>& page : pages.pages())
    all.insert(all.end(), page.begin(), page.end());
  PrintJson({{"width", picture.width},
             {"height", picture.height},
             {"pattern_count", pages.pattern_count()},
             {"texture_count", pages.texture_count()},
             {"pixels_crc32", media::PcCrc32(all.data(), all.size())}},
            out);
  return kExitLoaded;
}

const RegisterSubcommand kImage({"image", "image FILE [PW PH TW TH]", RunImage});

}  // namespace
}  // namespace bv::inspect
