#include "app/startup_texts.h"

#include "media/error_codes.h"

namespace bv::app {

std::string WithCodeText(const std::string& message, int32_t code) {
  return message + "\r" + media::ErrorText(code);
}

std::string DrawingStartFailedText(int32_t code) {
  return WithCodeText(kDrawingStartFailed, code);
}

std::string GraphicsLoadFailedText(const std::string& tag, int32_t code) {
  return WithCodeText(std::string(kGraphicsLoadFailedHead) + tag + " !", code);
}

}  // namespace bv::app
