#include "media/raw_image.h"

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"

namespace bv::media {

int32_t ReadRawImageHeader(const uint8_t* record, size_t size, RawImageHeader* header) {
  if (record == nullptr || size < kRawImageHeaderSize || ReadU32(record) != kRawImageMagic)
    return kErrInvalidData;
  header->texture_width = ReadI32(record + 4);
  header->texture_height = ReadI32(record + 8);
  header->pattern_width = ReadI32(record + 12);
  header->pattern_height = ReadI32(record + 16);
  header->texture_count = ReadI32(record + 20);
  return kOk;
}

int32_t BuildRawImage(const PatternPages& pages, std::vector<uint8_t>* record) {
  if (!pages.loaded() || record == nullptr) return kErrInvalidCall;
  const size_t row_bytes = static_cast<size_t>(pages.texture_width()) * 4;
  std::vector<uint8_t> out;
  out.reserve(kRawImageHeaderSize +
              row_bytes * static_cast<size_t>(pages.texture_height()) * pages.pages().size());
  AppendU32(out, kRawImageMagic);
  AppendI32(out, pages.texture_width());
  AppendI32(out, pages.texture_height());
  AppendI32(out, pages.pattern_width());
  AppendI32(out, pages.pattern_height());
  AppendI32(out, pages.texture_count());
  for (const std::vector<uint8_t>& page : pages.pages()) {
    for (int32_t r = 0; r < pages.texture_height(); ++r) {
      const size_t at = out.size();
      out.resize(at + row_bytes);
      PcLineConv(page.data() + static_cast<size_t>(r) * pages.row_pitch(), out.data() + at,
                 pages.texture_width(), pages.format(), kFormatA8R8G8B8);
    }
  }
  *record = std::move(out);
  return kOk;
}

}  // namespace bv::media
