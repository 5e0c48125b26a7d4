#pragma once

// The record archive: one file holding named, coded, checksummed records
// (the font file is one). Failures are returned as codes (error_codes.h).
//
// Layout (little-endian): a 64-byte header, the records, each a 64-byte record
// header followed by its coded payload, and a directory of 64-byte entries.
// docs/formats.md describes it field by field.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "media/le_bytes.h"

namespace bv::media {

constexpr uint32_t kDefaultArchiveSignature = FourCc("RARC");
constexpr float kArchiveVersion = 1.1f;      // written into every new archive
constexpr float kMaxArchiveVersion = 1.11f;  // newer archives are refused
constexpr size_t kArchiveHeaderSize = 64;
constexpr size_t kDirectoryEntrySize = 64;
constexpr size_t kRecordHeaderSize = 64;
constexpr size_t kMaxRecordName = 31;
constexpr int32_t kRecordTypeRawImage = 1;

enum class OpenMode : int32_t {
  kUpdate = 0,     // open an existing archive, or create one when there is no file
  kOverwrite = 1,  // always create a new, empty archive
  kReadOnly = 2,   // open an existing archive
};

struct DirectoryEntry {
  std::string name;  // as stored (up to 31 bytes, any case)
  int32_t type = 0;
  uint32_t offset = 0;
  uint32_t checksum = 0;
  uint32_t stored_size = 0;  // 64 (record header) + coded payload length
  uint32_t decoded_size = 0;
};

struct ArchiveRecord {
  std::vector<uint8_t> data;  // the decoded payload
  int32_t type = 0;
};

// Cuts a record name to 31 characters and turns a..z into A..Z, as names are compared.
std::string RecordKey(const std::string& name);

class RecordArchive {
 public:
  // Settings, used by Open (and by ReadRecord for the file name).
  void set_file_name(const std::string& path) { file_name_ = path; }
  void set_open_mode(OpenMode mode) { open_mode_ = mode; }
  void set_signature(uint32_t signature) { signature_ = signature; }
  // For new archives: marks the records as enciphered. Opening an existing
  // archive replaces it with the file's flag.
  void set_secure(bool secure) { secure_ = secure; }
  // Kept for enciphered archives, which this game cannot decode.
  void set_password(const std::string& password) { password_ = password; }

  const std::string& file_name() const { return file_name_; }
  OpenMode open_mode() const { return open_mode_; }
  uint32_t signature() const { return signature_; }
  bool secure() const { return secure_; }

  // Creates or reads the archive by the open mode: 0, -17 (cannot open or
  // read), -20 (signature), -27 (version above 1.11), -25 (cannot create, or
  // an unknown mode), -18 (the new header cannot be written).
  int32_t Open();
  bool is_open() const { return open_; }

  // After Open: the header's two version values and the directory.
  float version() const { return version_; }
  float second_version() const { return second_version_; }
  const std::vector<DirectoryEntry>& directory() const { return directory_; }

  // Finds a record by name (cut to 31 characters, any case), decodes it and
  // checks its checksum. Reads the file afresh; Open is not required. Returns
  // 0 with the payload and type, or -12, -17, -20, -22, -23, -24, -26, -27.
  int32_t ReadRecord(const std::string& name, ArchiveRecord* record) const;

  // Appends a record to an archive opened in kUpdate or kOverwrite mode, coded
  // with deflate. The name is cut to 31 characters and must not be empty.
  // Returns 0, -1 (not open for writing, empty name, payload above 64 MiB),
  // -21 (a record of that name exists), -27 (archive older than 1.1), -28
  // (enciphered archive: we cannot encipher) or -18 (write failed).
  int32_t WriteRecord(const std::string& name, int32_t type, const uint8_t* data, size_t size);
  int32_t WriteRecord(const std::string& name, int32_t type, const std::vector<uint8_t>& data) {
    return WriteRecord(name, type, data.data(), data.size());
  }

 private:
  int32_t Create();
  int32_t ReadExisting();

  std::string file_name_;
  OpenMode open_mode_ = OpenMode::kReadOnly;
  uint32_t signature_ = kDefaultArchiveSignature;
  bool secure_ = false;
  std::string password_;

  bool open_ = false;
  float version_ = 0;
  float second_version_ = 0;
  uint32_t directory_offset_ = 0;
  std::vector<DirectoryEntry> directory_;
};

}  // namespace bv::media
