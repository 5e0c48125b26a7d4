#include "media/input_reader.h"

#include "media/error_codes.h"

namespace bv::media {

InputReader::InputReader(std::unique_ptr<KeyboardDevice> device) : device_(std::move(device)) {}

int32_t InputReader::Initialize() {
  if (started_ || !device_) return kErrInvalidCall;
  int32_t code = device_->Open();
  if (code != kOk) return code;
  table_.fill(0);
  started_ = true;
  return kOk;
}

int32_t InputReader::Finalize() {
  started_ = false;
  return kOk;
}

int32_t InputReader::Update() {
  if (!started_) return kOk;
  if (!device_->HasFocus()) {
    // Keys released while another window had the focus never reach us, so
    // none may stay held: the table reads all up until the next good read.
    table_.fill(0);
    return kErrKeyboardAcquire;
  }
  KeyState fresh{};
  if (!device_->Read(fresh)) return kErrKeyboardRead;
  table_ = fresh;
  return kOk;
}

}  // namespace bv::media
