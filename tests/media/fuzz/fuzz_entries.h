#pragma once

// What each fuzzer does with one input. Shared by the libFuzzer targets and
// the replay test, which runs every kept input (seeds and past findings)
// through the same code in the ordinary test suite. A broken invariant
// aborts; a refused input is simply refused.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/bitmap_reader.h"
#include "media/error_codes.h"
#include "media/pattern_pages.h"
#include "media/raw_image.h"
#include "media/record_archive.h"
#include "media/tga_reader.h"
#include "scratch_folder.h"

namespace bv::fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

// A picture that decoded must cut into patterns without trouble.
inline void CutPicture(const media::Bitmap& b) {
  Check(b.width >= 0 && b.height >= 0 &&
        b.pixels.size() == static_cast<size_t>(b.width) * static_cast<size_t>(b.height));
  media::PatternPages pages;
  const int32_t rc = pages.LoadFromBitmap(b, 0, 0, b.width, b.height, media::kFormatA8R8G8B8);
  Check(rc == media::kOk || (rc == media::kErrInvalidCall && b.pixels.empty()));
  // Tiny patterns only on pictures of a game's size: a large picture (a short
  // run-length file may rightly decode to 64 MB) would make millions of them
  // and time the target out without telling anything new.
  if (b.pixels.size() > (1u << 20)) return;
  media::PatternPages tiles;
  tiles.LoadFromBitmap(b, 3, 2, 8, 8, media::kFormatR5G6B5);
}

inline void FuzzTga(const uint8_t* data, size_t size) {
  try {
    CutPicture(media::DecodeTga(data, size, "fuzz.tga"));
  } catch (const media::ImageReadError&) {
  }
}

inline void FuzzBitmap(const uint8_t* data, size_t size) {
  try {
    CutPicture(media::DecodeWindowsBitmap(data, size, "fuzz.bmp"));
  } catch (const media::ImageReadError&) {
  }
}

// A record that loads must build back into the same record.
inline void FuzzRawImage(const uint8_t* data, size_t size) {
  media::PatternPages pages;
  if (pages.LoadFromMemory(data, size, media::kFormatA8R8G8B8) != media::kOk) return;
  std::vector<uint8_t> rebuilt;
  Check(media::BuildRawImage(pages, &rebuilt) == media::kOk);
  Check(rebuilt.size() <= size);
  // The pattern size fields may say 0 ("the texture's"); the rebuilt record spells them out.
  for (size_t i = 24; i < rebuilt.size(); ++i) Check(rebuilt[i] == data[i]);
  media::PatternPages other;
  other.LoadFromMemory(data, size, media::kFormatA1R5G5B5);
}

// The archive is a file: each input is written to a scratch file first.
inline std::string ScratchArchivePath() {
  return ScratchFolder() + "/archive.bin";
}

inline void FuzzArchive(const uint8_t* data, size_t size) {
  const std::string path = ScratchArchivePath();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);

  media::RecordArchive archive;
  archive.set_file_name(path);
  archive.set_signature(media::FourCc("BFNT"));
  archive.set_open_mode(media::OpenMode::kReadOnly);
  const int32_t opened = archive.Open();
  std::vector<std::string> names = {"font", "sizedata"};
  if (opened == media::kOk)
    for (const media::DirectoryEntry& e : archive.directory()) names.push_back(e.name);
  for (const std::string& name : names) {
    media::ArchiveRecord record;
    if (archive.ReadRecord(name, &record) == media::kOk) {
      Check(record.data.size() <= (64u << 20));
      media::PatternPages pages;
      pages.LoadFromArchive(archive, name, media::kFormatA8R8G8B8);
    }
  }
  // Appending to an archive that opened must leave every record readable.
  if (opened == media::kOk) {
    archive.set_open_mode(media::OpenMode::kUpdate);
    if (archive.Open() == media::kOk) {
      const std::vector<uint8_t> payload = {1, 2, 3, 4, 5};
      const int32_t rc = archive.WriteRecord("fuzz-added", 0, payload);
      if (rc == media::kOk) {
        media::ArchiveRecord back;
        Check(archive.ReadRecord("FUZZ-ADDED", &back) == media::kOk && back.data == payload);
      }
    }
  }
  std::remove(path.c_str());
}

}  // namespace bv::fuzz
