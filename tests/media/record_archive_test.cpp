#include "media/record_archive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/le_bytes.h"
#include "media/picture_bytes.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

using test::PutU32;
using test::ReadBytes;
using test::WriteBytes;

std::vector<uint8_t> Payload(size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(seed + i * 31 % 17);
  return v;
}

class RecordArchiveTest : public ::testing::Test {
 protected:
  // An archive "BFNT" with the records "font" (type 1) and "SizeData" (type 0).
  void SetUp() override {
    path_ = dir_.File("data/font.fnt");
    RecordArchive a = Archive(OpenMode::kOverwrite);
    ASSERT_EQ(a.Open(), kOk);
    ASSERT_EQ(a.WriteRecord("font", kRecordTypeRawImage, font_), kOk);
    ASSERT_EQ(a.WriteRecord("SizeData", 0, sizes_), kOk);
  }

  RecordArchive Archive(OpenMode mode) const {
    RecordArchive a;
    a.set_file_name(path_);
    a.set_open_mode(mode);
    a.set_signature(FourCc("BFNT"));
    return a;
  }

  int32_t Read(const std::string& name, ArchiveRecord* rec = nullptr) const {
    ArchiveRecord scratch;
    return Archive(OpenMode::kReadOnly).ReadRecord(name, rec ? rec : &scratch);
  }

  // Patches the file: a 32-bit value, or one byte.
  void Patch32(size_t at, uint32_t v) {
    std::vector<uint8_t> b = ReadBytes(path_);
    PutU32(b, at, v);
    WriteBytes(path_, b);
  }
  void PatchByte(size_t at, uint8_t v) {
    std::vector<uint8_t> b = ReadBytes(path_);
    b[at] = v;
    WriteBytes(path_, b);
  }
  void PatchFloat(size_t at, float f) {
    uint8_t b[4];
    WriteF32(b, f);
    Patch32(at, ReadU32(b));
  }
  // Sets a field of the "font" record in both its directory entry and its record header.
  void PatchFontField(size_t field, uint32_t v) {
    std::vector<uint8_t> b = ReadBytes(path_);
    const uint32_t dir = ReadU32(b.data() + 16);
    PutU32(b, dir + field, v);
    PutU32(b, kArchiveHeaderSize + field, v);
    WriteBytes(path_, b);
  }
  uint32_t DirectoryOffset() const { return ReadU32(ReadBytes(path_).data() + 16); }

  test::TempDir dir_;
  std::string path_;
  std::vector<uint8_t> font_ = Payload(3000, 1);
  std::vector<uint8_t> sizes_ = Payload(12, 9);
};

TEST_F(RecordArchiveTest, WrittenRecordsReadBackWithTheirTypes) {
  RecordArchive a = Archive(OpenMode::kReadOnly);
  ASSERT_EQ(a.Open(), kOk);
  EXPECT_FLOAT_EQ(a.version(), 1.1f);
  EXPECT_FLOAT_EQ(a.second_version(), 1.1f);
  EXPECT_FALSE(a.secure());
  ASSERT_EQ(a.directory().size(), 2u);
  EXPECT_EQ(a.directory()[0].name, "font");
  EXPECT_EQ(a.directory()[0].offset, kArchiveHeaderSize);
  EXPECT_EQ(a.directory()[0].decoded_size, font_.size());
  EXPECT_EQ(a.directory()[0].checksum, PcCrc32(font_.data(), font_.size()));
  EXPECT_EQ(a.directory()[1].name, "SizeData");
  EXPECT_EQ(a.directory()[1].offset, kArchiveHeaderSize + a.directory()[0].stored_size);

  ArchiveRecord rec;
  ASSERT_EQ(a.ReadRecord("font", &rec), kOk);
  EXPECT_EQ(rec.data, font_);
  EXPECT_EQ(rec.type, kRecordTypeRawImage);
  ASSERT_EQ(a.ReadRecord("sizedata", &rec), kOk);
  EXPECT_EQ(rec.data, sizes_);
  EXPECT_EQ(rec.type, 0);
}

TEST_F(RecordArchiveTest, NamesAreComparedInUpperCase) {
  for (const char* name : {"font", "FONT", "Font", "sizedata", "SIZEDATA", "sizeDATA"})
    EXPECT_EQ(Read(name), kOk) << name;
  EXPECT_EQ(Read("fonts"), kErrRecordNotFound);
  EXPECT_EQ(Read(""), kErrRecordNotFound);
  // The record header keeps the name in upper case, the directory as written.
  std::vector<uint8_t> b = ReadBytes(path_);
  EXPECT_EQ(std::string(b.begin() + 65, b.begin() + 69), "FONT");
}

TEST_F(RecordArchiveTest, LongNamesAreCutTo31Characters) {
  RecordArchive a = Archive(OpenMode::kUpdate);
  ASSERT_EQ(a.Open(), kOk);
  const std::string long_name(40, 'n');
  ASSERT_EQ(a.WriteRecord(long_name, 0, sizes_), kOk);
  EXPECT_EQ(a.directory().back().name, std::string(31, 'n'));
  EXPECT_EQ(a.WriteRecord(std::string(31, 'N') + "other", 0, sizes_), kErrRecordExists);
  EXPECT_EQ(Read(std::string(31, 'n') + "whatever"), kOk);
  EXPECT_EQ(Read(std::string(30, 'n')), kErrRecordNotFound);

  // A length byte beyond the field is held to the field's 31 characters.
  const uint32_t entry = DirectoryOffset() + 2 * kDirectoryEntrySize;
  PatchByte(entry, 200);
  RecordArchive reopened = Archive(OpenMode::kReadOnly);
  ASSERT_EQ(reopened.Open(), kOk);
  EXPECT_EQ(reopened.directory()[2].name, std::string(31, 'n'));
  EXPECT_EQ(Read(long_name), kOk);
}

TEST_F(RecordArchiveTest, OpenModes) {
  // Update keeps an existing archive.
  RecordArchive update = Archive(OpenMode::kUpdate);
  ASSERT_EQ(update.Open(), kOk);
  EXPECT_EQ(update.directory().size(), 2u);
  // Update creates a missing one; read-only does not.
  RecordArchive fresh = Archive(OpenMode::kReadOnly);
  fresh.set_file_name(dir_.File("new.arc"));
  EXPECT_EQ(fresh.Open(), kErrDiskRead);
  fresh.set_open_mode(OpenMode::kUpdate);
  ASSERT_EQ(fresh.Open(), kOk);
  EXPECT_TRUE(fresh.directory().empty());
  std::vector<uint8_t> header = ReadBytes(fresh.file_name());
  ASSERT_EQ(header.size(), kArchiveHeaderSize);
  EXPECT_EQ(ReadU32(header.data()), FourCc("BFNT"));
  EXPECT_FLOAT_EQ(ReadF32(header.data() + 4), 1.1f);
  EXPECT_FLOAT_EQ(ReadF32(header.data() + 8), 1.1f);
  EXPECT_EQ(ReadU32(header.data() + 12), 0u);
  EXPECT_EQ(ReadU32(header.data() + 16), 64u);
  for (size_t i = 20; i < 64; ++i) EXPECT_EQ(header[i], 0) << i;
  // Overwrite empties an existing one.
  RecordArchive overwrite = Archive(OpenMode::kOverwrite);
  ASSERT_EQ(overwrite.Open(), kOk);
  EXPECT_EQ(ReadBytes(path_).size(), kArchiveHeaderSize);
  EXPECT_EQ(Read("font"), kErrRecordNotFound);
}

TEST_F(RecordArchiveTest, CreationFailuresAndUnknownModes) {
  RecordArchive a = Archive(static_cast<OpenMode>(7));
  EXPECT_EQ(a.Open(), kErrArchiveInit);
  a.set_open_mode(OpenMode::kOverwrite);
  a.set_file_name(dir_.path() + "/no/such/folder/x.arc");
  EXPECT_EQ(a.Open(), kErrArchiveInit);
  a.set_open_mode(OpenMode::kUpdate);
  EXPECT_EQ(a.Open(), kErrArchiveInit);
  EXPECT_FALSE(a.is_open());
}

TEST_F(RecordArchiveTest, SecureFlagIsWrittenAndReadBack) {
  RecordArchive a = Archive(OpenMode::kOverwrite);
  a.set_secure(true);
  ASSERT_EQ(a.Open(), kOk);
  EXPECT_EQ(ReadBytes(path_)[20], 1);
  EXPECT_EQ(a.WriteRecord("font", 1, font_), kErrArchiveSecurity);
  RecordArchive b = Archive(OpenMode::kReadOnly);
  ASSERT_EQ(b.Open(), kOk);
  EXPECT_TRUE(b.secure());
}

TEST_F(RecordArchiveTest, EncipheredRecordsAreRefused) {
  PatchByte(20, 1);
  EXPECT_EQ(Read("font"), kErrRecordCorrupt);
}

TEST_F(RecordArchiveTest, HeaderProblems) {
  struct {
    const char* what;
    size_t at;
    float second_version;
    int32_t open_code;
  } cases[] = {
      {"newer version", 8, 1.2f, kErrArchiveVersion},
      {"just newer", 8, 1.1101f, kErrArchiveVersion},
      {"not a number", 8, std::numeric_limits<float>::quiet_NaN(), kErrArchiveVersion},
      {"1.11 still read", 8, 1.11f, kOk},
      {"first version not checked", 4, 7.0f, kOk},
  };
  const std::vector<uint8_t> original = ReadBytes(path_);
  for (const auto& c : cases) {
    WriteBytes(path_, original);
    PatchFloat(c.at, c.second_version);
    RecordArchive a = Archive(OpenMode::kReadOnly);
    EXPECT_EQ(a.Open(), c.open_code) << c.what;
    EXPECT_EQ(Read("font"), c.open_code) << c.what;
  }
  WriteBytes(path_, original);
  RecordArchive other = Archive(OpenMode::kReadOnly);
  other.set_signature(kDefaultArchiveSignature);
  EXPECT_EQ(other.Open(), kErrSignature);
  ArchiveRecord rec;
  EXPECT_EQ(other.ReadRecord("font", &rec), kErrSignature);
}

TEST_F(RecordArchiveTest, MissingAndTruncatedFiles) {
  std::vector<uint8_t> original = ReadBytes(path_);
  WriteBytes(path_, std::vector<uint8_t>(original.begin(), original.begin() + 63));
  RecordArchive a = Archive(OpenMode::kReadOnly);
  EXPECT_EQ(a.Open(), kErrDiskRead);
  EXPECT_EQ(Read("font"), kErrArchiveHeader);
  WriteBytes(path_, {});
  EXPECT_EQ(a.Open(), kErrDiskRead);
  EXPECT_EQ(Read("font"), kErrArchiveHeader);
  std::remove(path_.c_str());
  EXPECT_EQ(a.Open(), kErrDiskRead);
  EXPECT_EQ(Read("font"), kErrDiskRead);
  // A folder is no archive either.
  a.set_file_name(dir_.path());
  EXPECT_EQ(a.Open(), kErrDiskRead);
}

TEST_F(RecordArchiveTest, DirectoryThatDoesNotFitTheFile) {
  const std::vector<uint8_t> original = ReadBytes(path_);
  struct {
    const char* what;
    size_t at;
    uint32_t value;
    int32_t read_font;  // the first entry is still found when only later ones are missing
  } cases[] = {
      {"count far beyond the file", 12, 0xFFFFFFFFu, kOk},
      {"one entry too many", 12, 3, kOk},
      {"directory offset beyond the file", 16, 0x7FFFFFF0u, kErrDiskRead},
      {"directory offset wrapping", 16, 0xFFFFFFC0u, kErrDiskRead},
  };
  for (const auto& c : cases) {
    WriteBytes(path_, original);
    Patch32(c.at, c.value);
    RecordArchive a = Archive(OpenMode::kReadOnly);
    EXPECT_EQ(a.Open(), kErrDiskRead) << c.what;
    EXPECT_EQ(Read("font"), c.read_font) << c.what;
    EXPECT_EQ(Read("missing"), kErrDiskRead) << c.what;
  }
}

TEST_F(RecordArchiveTest, RecordHeaderMustAgreeWithTheDirectory) {
  const std::vector<uint8_t> original = ReadBytes(path_);
  struct {
    const char* what;
    size_t at;  // field of the record header at offset 64
  } cases[] = {
      {"name", 1}, {"type", 32}, {"checksum", 40}, {"stored size", 44}, {"decoded size", 48}};
  for (const auto& c : cases) {
    std::vector<uint8_t> b = original;
    if (c.at == 1) {
      b[kArchiveHeaderSize + 1] = 'f';  // the record header's name must be upper case
    } else {
      PutU32(b, kArchiveHeaderSize + c.at, ReadU32(b.data() + kArchiveHeaderSize + c.at) + 1);
    }
    WriteBytes(path_, b);
    EXPECT_EQ(Read("font"), kErrRecordCorrupt) << c.what;
    EXPECT_EQ(Read("sizedata"), kOk) << c.what;
  }
}

TEST_F(RecordArchiveTest, RecordsOutsideTheFileOrBeyondTheBound) {
  const std::vector<uint8_t> original = ReadBytes(path_);
  const uint32_t stored = ReadU32(original.data() + DirectoryOffset() + 44);
  struct {
    const char* what;
    size_t field;
    uint32_t value;
    int32_t code;
  } cases[] = {
      {"offset beyond the file", 36, 0x10000000u, kErrDiskRead},
      {"offset at the very end", 36, static_cast<uint32_t>(original.size() - 10), kErrDiskRead},
      {"stored size beyond the file", 44, 0xFFFFFFF0u, kErrDiskRead},
      {"stored size below the record header", 44, 10, kErrRecordCorrupt},
      {"decoded size beyond 64 MiB", 48, (64u << 20) + 1, kErrRecordCorrupt},
      {"decoded size huge", 48, 0xFFFFFFFFu, kErrRecordCorrupt},
      {"decoded size too small", 48, 100, kErrRecordCorrupt},
      {"decoded size the payload cannot reach", 48, (stored - 64) * 1032 + 1025, kErrRecordCorrupt},
      {"decoded size too large", 48, 3001, kErrRecordCorrupt},
      {"stored size cutting the stream", 44, stored - 5, kErrRecordCorrupt},
      {"checksum", 40, 0x12345678u, kErrRecordCrc},
  };
  for (const auto& c : cases) {
    WriteBytes(path_, original);
    if (c.field == 36) {
      Patch32(DirectoryOffset() + 36, c.value);  // the record header is then read elsewhere
    } else {
      PatchFontField(c.field, c.value);
    }
    EXPECT_EQ(Read("font"), c.code) << c.what;
  }
}

TEST_F(RecordArchiveTest, DamagedPayloadFailsDecodingOrChecksum) {
  const std::vector<uint8_t> original = ReadBytes(path_);
  const uint32_t stored = ReadU32(original.data() + DirectoryOffset() + 44);
  for (uint32_t at = kArchiveHeaderSize + 64; at < kArchiveHeaderSize + stored; at += 7) {
    std::vector<uint8_t> b = original;
    b[at] ^= 0x5A;
    WriteBytes(path_, b);
    int32_t rc = Read("font");
    EXPECT_TRUE(rc == kErrRecordCorrupt || rc == kErrRecordCrc) << at << " " << rc;
  }
}

TEST_F(RecordArchiveTest, OlderArchivesNameTheCodingByType) {
  // Version 1.0: the record type is the coding mode; bit 2 set is refused.
  RecordArchive a = Archive(OpenMode::kOverwrite);
  ASSERT_EQ(a.Open(), kOk);
  ASSERT_EQ(a.WriteRecord("zipped", 1, sizes_), kOk);
  ASSERT_EQ(a.WriteRecord("plain", 0, sizes_), kOk);
  PatchFloat(4, 1.0f);
  EXPECT_EQ(Read("zipped"), kOk);
  // A type-0 record of an old archive is stored as it is: ours is deflated, so it fails.
  EXPECT_EQ(Read("plain"), kErrRecordCorrupt);
  for (uint32_t type : {2u, 3u, 6u}) {
    PatchFontField(32, type);
    EXPECT_EQ(Read("zipped"), kErrRecordCorrupt) << type;
  }
  // A version 1.1 archive decodes every type with deflate.
  PatchFloat(4, 1.1f);
  EXPECT_EQ(Read("zipped"), kOk);
  EXPECT_EQ(Read("plain"), kOk);
}

TEST_F(RecordArchiveTest, StoredRecordsOfOlderArchives) {
  // Hand-made 1.0 archive: one type-0 record kept as plain bytes.
  std::vector<uint8_t> b(64, 0);
  PutU32(b, 0, FourCc("BFNT"));
  uint8_t f[4];
  WriteF32(f, 1.0f);
  PutU32(b, 4, ReadU32(f));
  PutU32(b, 8, ReadU32(f));
  PutU32(b, 12, 1);
  PutU32(b, 16, 64 + 64 + 12);
  std::vector<uint8_t> entry(64, 0);
  entry[0] = 4;
  std::copy_n("DATA", 4, entry.begin() + 1);
  PutU32(entry, 32, 0);
  PutU32(entry, 36, 64);
  PutU32(entry, 40, PcCrc32(sizes_.data(), sizes_.size()));
  PutU32(entry, 44, 64 + 12);
  PutU32(entry, 48, 12);
  b.insert(b.end(), entry.begin(), entry.end());
  b.insert(b.end(), sizes_.begin(), sizes_.end());
  entry[2] = 'a';  // the directory may hold any case
  b.insert(b.end(), entry.begin(), entry.end());
  WriteBytes(path_, b);
  ArchiveRecord rec;
  ASSERT_EQ(Read("data", &rec), kOk);
  EXPECT_EQ(rec.data, sizes_);
}

TEST_F(RecordArchiveTest, WithoutTheConverterEveryReadFails) {
  SetConverterAvailable(false);
  EXPECT_EQ(Read("font"), kErrConverter);
  EXPECT_EQ(Read("missing"), kErrConverter);
  SetConverterAvailable(true);
}

TEST_F(RecordArchiveTest, WriterRefusals) {
  RecordArchive closed = Archive(OpenMode::kUpdate);
  EXPECT_EQ(closed.WriteRecord("x", 0, sizes_), kErrInvalidCall);
  RecordArchive read_only = Archive(OpenMode::kReadOnly);
  ASSERT_EQ(read_only.Open(), kOk);
  EXPECT_EQ(read_only.WriteRecord("x", 0, sizes_), kErrInvalidCall);

  RecordArchive a = Archive(OpenMode::kUpdate);
  ASSERT_EQ(a.Open(), kOk);
  EXPECT_EQ(a.WriteRecord("", 0, sizes_), kErrInvalidCall);
  EXPECT_EQ(a.WriteRecord("FONT", 0, sizes_), kErrRecordExists);
  EXPECT_EQ(a.WriteRecord("sizedata", 0, sizes_), kErrRecordExists);
  EXPECT_EQ(a.WriteRecord("big", 0, nullptr, (64u << 20) + 1), kErrInvalidCall);
  EXPECT_EQ(a.WriteRecord("empty", 0, nullptr, 0), kOk);
  ArchiveRecord rec;
  ASSERT_EQ(Read("empty", &rec), kOk);
  EXPECT_TRUE(rec.data.empty());

  PatchFloat(4, 1.0f);
  RecordArchive old = Archive(OpenMode::kUpdate);
  ASSERT_EQ(old.Open(), kOk);
  EXPECT_EQ(old.WriteRecord("x", 0, sizes_), kErrArchiveVersion);
}

TEST_F(RecordArchiveTest, WriterNeverOverwritesTheHeaderOrAKnownRecord) {
  struct {
    const char* what;
    uint32_t count, directory_offset;
    bool font_kept;
  } cases[] = {
      {"empty directory said to be at 0", 0, 0, false},
      {"directory inside the header", 0, 20, false},
      {"directory said to be the font record's header", 1, 64, true},
  };
  const std::vector<uint8_t> original = ReadBytes(path_);
  for (const auto& c : cases) {
    WriteBytes(path_, original);
    Patch32(12, c.count);
    Patch32(16, c.directory_offset);
    RecordArchive a = Archive(OpenMode::kUpdate);
    ASSERT_EQ(a.Open(), kOk) << c.what;
    ASSERT_EQ(a.WriteRecord("added", 0, sizes_), kOk) << c.what;
    ArchiveRecord rec;
    EXPECT_EQ(Read("added", &rec), kOk) << c.what;
    EXPECT_EQ(rec.data, sizes_) << c.what;
    if (c.font_kept) {
      EXPECT_EQ(Read("font"), kOk) << c.what;
    }
  }
}

TEST_F(RecordArchiveTest, AppendingAcrossSessionsKeepsEveryRecord) {
  for (int i = 0; i < 5; ++i) {
    RecordArchive a = Archive(OpenMode::kUpdate);
    ASSERT_EQ(a.Open(), kOk);
    ASSERT_EQ(a.WriteRecord("rec" + std::to_string(i), i, Payload(100 * i + 1, i)), kOk);
  }
  for (int i = 0; i < 5; ++i) {
    ArchiveRecord rec;
    ASSERT_EQ(Read("REC" + std::to_string(i), &rec), kOk) << i;
    EXPECT_EQ(rec.data, Payload(100 * i + 1, i));
    EXPECT_EQ(rec.type, i);
  }
  EXPECT_EQ(Read("font"), kOk);
  RecordArchive a = Archive(OpenMode::kReadOnly);
  ASSERT_EQ(a.Open(), kOk);
  EXPECT_EQ(a.directory().size(), 7u);
}

TEST_F(RecordArchiveTest, FirstMatchingEntryWins) {
  // The second entry (sizedata's) renamed "Font": the first one is still the record.
  std::vector<uint8_t> b = ReadBytes(path_);
  const uint32_t second = ReadU32(b.data() + 16) + kDirectoryEntrySize;
  b[second] = 4;
  std::copy_n("Font", 4, b.begin() + second + 1);
  WriteBytes(path_, b);
  ArchiveRecord rec;
  ASSERT_EQ(Read("FoNt", &rec), kOk);
  EXPECT_EQ(rec.data, font_);
}

TEST(RecordKey, CutsAndUppercases) {
  EXPECT_EQ(RecordKey("sizeData"), "SIZEDATA");
  EXPECT_EQ(RecordKey(std::string(40, 'z')), std::string(31, 'Z'));
  EXPECT_EQ(RecordKey("\xB9\xB3-1"), "\xB9\xB3-1");  // only a..z change
}

}  // namespace
}  // namespace bv::media
