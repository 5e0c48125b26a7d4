#include "tools/sim/result_stream.h"

#include <stdexcept>

namespace bv::sim {

std::string DumpLine(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

ResultStream::ResultStream(std::ostream& out) : out_(out) {
  out_ << "{\"events\":[";
}

EventSink ResultStream::Sink() {
  return [this](const nlohmann::json& event) {
    if (!first_) out_ << ',';
    first_ = false;
    out_ << DumpLine(event);
  };
}

void ResultStream::Finish(const nlohmann::json& rest) {
  for (const auto& member : rest.items()) {
    if (member.key() <= "events") throw std::logic_error("\"" + member.key() + "\" sorts before the events");
  }
  const std::string tail = DumpLine(rest);
  out_ << ']' << (rest.empty() ? std::string("}") : "," + tail.substr(1)) << '\n';
}

}  // namespace bv::sim
