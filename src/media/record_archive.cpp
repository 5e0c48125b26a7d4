#include "media/record_archive.h"

#include <algorithm>

#include "media/binary_file.h"
#include "media/converter.h"
#include "media/error_codes.h"
#include "media/le_bytes.h"
#include "media/size_limits.h"

namespace bv::media {

namespace {

// Coded payloads may exceed their decoded size a little (deflate of data
// that does not shrink); anything beyond this is not a payload of ours.
constexpr uint64_t kMaxStoredPayload = kMaxDecodedBytes + (kMaxDecodedBytes >> 6) + 1024;

struct Header {
  uint32_t signature = 0;
  float version = 0;
  float second_version = 0;
  uint32_t record_count = 0;
  uint32_t directory_offset = 0;
  bool secure = false;
};

Header ParseHeader(const uint8_t* p) {
  Header h;
  h.signature = ReadU32(p);
  h.version = ReadF32(p + 4);
  h.second_version = ReadF32(p + 8);
  h.record_count = ReadU32(p + 12);
  h.directory_offset = ReadU32(p + 16);
  h.secure = p[20] != 0;
  return h;
}

void EncodeHeader(const Header& h, uint8_t* p) {
  std::fill(p, p + kArchiveHeaderSize, 0);
  WriteU32(p, h.signature);
  WriteF32(p + 4, h.version);
  WriteF32(p + 8, h.second_version);
  WriteU32(p + 12, h.record_count);
  WriteU32(p + 16, h.directory_offset);
  p[20] = h.secure ? 1 : 0;
}

// NaN is as unknown as a newer version.
bool VersionSupported(float second_version) {
  return second_version <= kMaxArchiveVersion;
}

// The name field holds a length byte and 31 characters; a larger length byte
// is held to the field.
DirectoryEntry ParseEntry(const uint8_t* p) {
  DirectoryEntry e;
  size_t len = std::min<size_t>(p[0], kMaxRecordName);
  e.name.assign(reinterpret_cast<const char*>(p + 1), len);
  e.type = ReadI32(p + 32);
  e.offset = ReadU32(p + 36);
  e.checksum = ReadU32(p + 40);
  e.stored_size = ReadU32(p + 44);
  e.decoded_size = ReadU32(p + 48);
  return e;
}

void EncodeEntry(const DirectoryEntry& e, uint8_t* p) {
  std::fill(p, p + kDirectoryEntrySize, 0);
  size_t len = std::min(e.name.size(), kMaxRecordName);
  p[0] = static_cast<uint8_t>(len);
  std::copy(e.name.begin(), e.name.begin() + static_cast<std::ptrdiff_t>(len), p + 1);
  WriteI32(p + 32, e.type);
  WriteU32(p + 36, e.offset);
  WriteU32(p + 40, e.checksum);
  WriteU32(p + 44, e.stored_size);
  WriteU32(p + 48, e.decoded_size);
}

bool SameFields(const DirectoryEntry& a, const DirectoryEntry& b) {
  return a.type == b.type && a.checksum == b.checksum && a.stored_size == b.stored_size &&
         a.decoded_size == b.decoded_size;
}

}  // namespace

std::string RecordKey(const std::string& name) {
  std::string key = name.substr(0, kMaxRecordName);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

int32_t RecordArchive::Open() {
  open_ = false;
  directory_.clear();
  switch (open_mode_) {
    case OpenMode::kOverwrite:
      return Create();
    case OpenMode::kReadOnly:
      return ReadExisting();
    case OpenMode::kUpdate: {
      BinaryFile probe;
      if (!probe.OpenRead(file_name_)) return Create();
      probe.Close();
      return ReadExisting();
    }
  }
  return kErrArchiveInit;
}

int32_t RecordArchive::Create() {
  BinaryFile file;
  if (!file.Create(file_name_)) return kErrArchiveInit;
  Header h;
  h.signature = signature_;
  h.version = kArchiveVersion;
  h.second_version = kArchiveVersion;
  h.record_count = 0;
  h.directory_offset = kArchiveHeaderSize;
  h.secure = secure_;
  uint8_t bytes[kArchiveHeaderSize];
  EncodeHeader(h, bytes);
  if (!file.WriteAt(0, bytes, sizeof bytes) || !file.Close()) return kErrDiskWrite;
  version_ = h.version;
  second_version_ = h.second_version;
  directory_offset_ = h.directory_offset;
  open_ = true;
  return kOk;
}

int32_t RecordArchive::ReadExisting() {
  BinaryFile file;
  if (!file.OpenRead(file_name_)) return kErrDiskRead;
  uint8_t bytes[kArchiveHeaderSize];
  if (!file.ReadAt(0, bytes, sizeof bytes)) return kErrDiskRead;
  Header h = ParseHeader(bytes);
  if (h.signature != signature_) return kErrSignature;
  if (!VersionSupported(h.second_version)) return kErrArchiveVersion;

  // The directory must lie inside the file before anything is allocated for it.
  int64_t size = file.Size();
  uint64_t dir_bytes = static_cast<uint64_t>(h.record_count) * kDirectoryEntrySize;
  if (size < 0 || dir_bytes > kMaxDecodedBytes ||
      h.directory_offset + dir_bytes > static_cast<uint64_t>(size))
    return kErrDiskRead;
  std::vector<uint8_t> raw(static_cast<size_t>(dir_bytes));
  if (!file.ReadAt(h.directory_offset, raw.data(), raw.size())) return kErrDiskRead;

  std::vector<DirectoryEntry> entries;
  entries.reserve(h.record_count);
  for (uint32_t i = 0; i < h.record_count; ++i)
    entries.push_back(ParseEntry(raw.data() + static_cast<size_t>(i) * kDirectoryEntrySize));

  directory_ = std::move(entries);
  version_ = h.version;
  second_version_ = h.second_version;
  directory_offset_ = h.directory_offset;
  secure_ = h.secure;
  open_ = true;
  return kOk;
}

int32_t RecordArchive::ReadRecord(const std::string& name, ArchiveRecord* record) const {
  if (record == nullptr) return kErrInvalidCall;
  const std::string key = RecordKey(name);
  if (!ConverterAvailable()) return kErrConverter;

  BinaryFile file;
  if (!file.OpenRead(file_name_)) return kErrDiskRead;
  uint8_t head[kArchiveHeaderSize];
  if (!file.ReadAt(0, head, sizeof head)) return kErrArchiveHeader;
  Header h = ParseHeader(head);
  if (h.signature != signature_) return kErrSignature;
  if (!VersionSupported(h.second_version)) return kErrArchiveVersion;

  // Entries are read in order and the first name that matches wins; the
  // count can claim more entries than the file holds, so each read is checked.
  DirectoryEntry entry;
  bool found = false;
  uint8_t raw[kDirectoryEntrySize];
  for (uint32_t i = 0; i < h.record_count && !found; ++i) {
    if (!file.ReadAt(h.directory_offset + static_cast<uint64_t>(i) * kDirectoryEntrySize, raw,
                     sizeof raw))
      return kErrDiskRead;
    entry = ParseEntry(raw);
    found = RecordKey(entry.name) == key;
  }
  if (!found) return kErrRecordNotFound;

  uint8_t rec_head[kRecordHeaderSize];
  if (!file.ReadAt(entry.offset, rec_head, sizeof rec_head)) return kErrDiskRead;
  DirectoryEntry stored = ParseEntry(rec_head);
  if (stored.name != key || !SameFields(stored, entry)) return kErrRecordCorrupt;
  if (entry.stored_size < kRecordHeaderSize) return kErrRecordCorrupt;

  const uint64_t payload_len = entry.stored_size - kRecordHeaderSize;
  const uint64_t payload_at = static_cast<uint64_t>(entry.offset) + kRecordHeaderSize;
  int64_t size = file.Size();
  if (size < 0 || payload_at + payload_len > static_cast<uint64_t>(size)) return kErrDiskRead;
  if (payload_len > kMaxStoredPayload || entry.decoded_size > kMaxDecodedBytes)
    return kErrRecordCorrupt;

  int32_t mode = kBlockDeflate;
  if (!(h.version >= kArchiveVersion)) {
    // Older archives name the coding by the record type; type bit 2 was never plain.
    if (entry.type & 2) return kErrRecordCorrupt;
    mode = entry.type;
  } else if (h.secure) {
    mode = kBlockEnciphered;  // refused by the decoder: we hold no cipher
  }
  // Nothing is allocated for a decoded size the payload cannot reach.
  if (entry.decoded_size > PcMaxDecodedLength(mode, payload_len)) return kErrRecordCorrupt;

  std::vector<uint8_t> payload(static_cast<size_t>(payload_len));
  if (!file.ReadAt(payload_at, payload.data(), payload.size())) return kErrDiskRead;
  file.Close();

  std::vector<uint8_t> decoded(entry.decoded_size);
  size_t decoded_len = 0;
  int32_t rc = PcDecodeBlock(payload.data(), payload.size(), decoded.data(), decoded.size(), mode,
                             &decoded_len);
  if (rc != kOk) return rc;
  if (decoded_len != decoded.size()) return kErrRecordCorrupt;
  if (PcCrc32(decoded.data(), decoded.size()) != entry.checksum) return kErrRecordCrc;

  record->data = std::move(decoded);
  record->type = entry.type;
  return kOk;
}

int32_t RecordArchive::WriteRecord(const std::string& name, int32_t type, const uint8_t* data,
                                   size_t size) {
  if (!open_ || open_mode_ == OpenMode::kReadOnly) return kErrInvalidCall;
  const std::string stored_name = name.substr(0, kMaxRecordName);
  if (stored_name.empty() || size > kMaxDecodedBytes || (data == nullptr && size > 0))
    return kErrInvalidCall;
  if (secure_) return kErrArchiveSecurity;
  if (!(version_ >= kArchiveVersion)) return kErrArchiveVersion;
  const std::string key = RecordKey(stored_name);
  for (const DirectoryEntry& e : directory_)
    if (RecordKey(e.name) == key) return kErrRecordExists;

  std::vector<uint8_t> coded;
  if (PcEncodeBlock(data, size, kBlockDeflate, &coded) != kOk) return kErrInvalidCall;

  BinaryFile file;
  if (!file.OpenReadWrite(file_name_)) return kErrDiskWrite;
  uint8_t head[kArchiveHeaderSize];
  const int64_t file_size = file.Size();
  if (file_size < 0 || !file.ReadAt(0, head, sizeof head)) return kErrDiskWrite;

  // The new record normally takes the old directory's place and the directory
  // moves behind it. A damaged archive may name a directory inside the header
  // or a record; the new record then goes behind everything it could clobber
  // (records reaching past the end of the file are unreadable and ignored).
  uint64_t place = std::max<uint64_t>(directory_offset_, kArchiveHeaderSize);
  for (const DirectoryEntry& e : directory_) {
    const uint64_t end = static_cast<uint64_t>(e.offset) + e.stored_size;
    if (end <= static_cast<uint64_t>(file_size)) place = std::max(place, end);
  }

  DirectoryEntry entry;
  entry.name = stored_name;
  entry.type = type;
  entry.checksum = PcCrc32(data, size);
  entry.stored_size = static_cast<uint32_t>(kRecordHeaderSize + coded.size());
  entry.decoded_size = static_cast<uint32_t>(size);

  const uint64_t new_dir_offset = place + entry.stored_size;
  const uint64_t new_count = directory_.size() + 1;
  if (new_dir_offset + new_count * kDirectoryEntrySize > UINT32_MAX) return kErrDiskWrite;
  entry.offset = static_cast<uint32_t>(place);

  std::vector<uint8_t> out(kRecordHeaderSize + coded.size() + new_count * kDirectoryEntrySize);
  DirectoryEntry header_entry = entry;
  header_entry.name = key;
  EncodeEntry(header_entry, out.data());
  std::copy(coded.begin(), coded.end(), out.begin() + kRecordHeaderSize);
  uint8_t* dir = out.data() + kRecordHeaderSize + coded.size();
  for (size_t i = 0; i < directory_.size(); ++i)
    EncodeEntry(directory_[i], dir + i * kDirectoryEntrySize);
  EncodeEntry(entry, dir + directory_.size() * kDirectoryEntrySize);

  Header h = ParseHeader(head);
  h.record_count = static_cast<uint32_t>(new_count);
  h.directory_offset = static_cast<uint32_t>(new_dir_offset);
  EncodeHeader(h, head);
  // Header last, so it never names a directory that is not yet written.
  if (!file.WriteAt(entry.offset, out.data(), out.size()) || !file.WriteAt(0, head, sizeof head) ||
      !file.Close())
    return kErrDiskWrite;

  directory_.push_back(entry);
  directory_offset_ = static_cast<uint32_t>(new_dir_offset);
  return kOk;
}

}  // namespace bv::media
