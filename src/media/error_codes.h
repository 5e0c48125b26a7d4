#pragma once

#include <cstdint>
#include <string>

namespace bv::media {

// Failure codes of the media components: 0 is success, negatives are failures.
enum ErrorCode : int32_t {
  kOk = 0,
  kErrInvalidCall = -1,
  kErrInitDirect3D = -2,
  kErrInitDevice = -3,
  kErrVideoModes = -4,
  kErrDevice = -5,
  kErrCreateVertexBuffer = -6,
  kErrVertexBuffer = -7,
  kErrRenderParams = -8,
  kErrVertexArray = -9,
  kErrCreateTexture = -10,
  kErrFormat = -11,
  kErrConverter = -12,
  kErrInvalidData = -13,
  kErrArchive = -14,
  kErrNotPatternImage = -15,
  kErrNotFile = -16,
  kErrDiskRead = -17,
  kErrDiskWrite = -18,
  kErrNotFont = -19,
  kErrSignature = -20,
  kErrRecordExists = -21,
  kErrRecordNotFound = -22,
  kErrRecordCorrupt = -23,
  kErrRecordCrc = -24,
  kErrArchiveInit = -25,
  kErrArchiveHeader = -26,
  kErrArchiveVersion = -27,
  kErrArchiveSecurity = -28,
  kErrInputInterface = -29,
  kErrKeyboardCreate = -30,
  kErrKeyboardFormat = -31,
  kErrKeyboardCoop = -32,
  kErrKeyboardAcquire = -40,
  kErrKeyboardRead = -41,
  kErrUserSpecified = -2147483647,
};

// The English text of a code; unknown codes read "Error #<code>".
std::string ErrorText(int32_t code);

}  // namespace bv::media
