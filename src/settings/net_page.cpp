#include "settings/net_page.h"

#include <algorithm>
#include <memory>

#include "settings/options_dialog.h"

namespace bv::settings {

namespace {

using Link = NetPageState::Link;
using Request = NetPageState::Request;

// Windows-1250, as every text of the options window.
// clang-format off
constexpr const char* kTitle = "Sie\xE6";
constexpr const char* kHostRadio = "Za\xB3\xF3\xBF gr\xEA";
constexpr const char* kJoinRadio = "Do\xB3\xB9" "cz do gry";
constexpr const char* kAddressLabel = "Adres hosta:";
constexpr const char* kPortLabel = "Port:";
constexpr const char* kHostButton = "Za\xB3\xF3\xBF";
constexpr const char* kJoinButton = "Po\xB3\xB9" "cz";
constexpr const char* kLeaveButton = "Roz\xB3\xB9" "cz";
constexpr const char* kOff = "Brak po\xB3\xB9" "czenia";
constexpr const char* kHosting = "Czekam na go\x9C" "cia na porcie ";
constexpr const char* kJoining = "\xA3\xB9" "cz\xEA z ";
constexpr const char* kConnectedHost = "Po\xB3\xB9" "czono: grasz jako gracz 1.";
constexpr const char* kConnectedGuest = "Po\xB3\xB9" "czono: grasz jako gracz 2. "
                                        "Ustawienia i level wybiera host.";
constexpr const char* kBadPort = "Port to liczba od 1024 do 65535.";
constexpr const char* kNoAddress = "Wpisz adres hosta.";
constexpr const char* kAbout = "Host jest graczem 1, go\x9C\xE6 graczem 2. Ustawienia i level "
                               "wybiera host.";
// clang-format on

constexpr int kW = 161;            // the page's width
constexpr std::size_t kFits = 24;  // characters a line of the page has room for
constexpr int kLine = 16;
constexpr std::size_t kPortDigits = 5;

// What the page keeps between frames besides the settings: the port field's
// text (it may hold a port it will not take) and the last check's message.
struct View {
  bool started = false;
  std::string port_text;
  std::string message;
};

std::string LinkLine(const NetPageState& s) {
  switch (s.link) {
    case Link::kOff:
      return kOff;
    case Link::kHosting:
      return kHosting + std::to_string(s.port);
    case Link::kJoining:
      return kJoining + s.address + ":" + std::to_string(s.port) + "...";
    case Link::kConnectedHost:
      return kConnectedHost;
    case Link::kConnectedGuest:
      return kConnectedGuest;
  }
  return kOff;
}

// Lines of text from y down; returns the y below them.
int Lines(PageCanvas& c, int y, const std::string& text, std::size_t max_lines) {
  for (const std::string& line : WrapText(text, kFits, max_lines)) {
    c.Text(layout::Box{0, y, kW, 13}, line);
    y += kLine;
  }
  return y;
}

void Start(NetPageState& state, const ScreenSettings& choice, View& view) {
  const int port = ParsePort(view.port_text);
  const bool join = choice.net_role() == NetRole::kJoin;
  if (port < 0) {
    view.message = kBadPort;
  } else if (join && choice.net_address().empty()) {
    view.message = kNoAddress;
  } else {
    view.message.clear();
    state.request = join ? Request::kJoin : Request::kHost;
    state.address = join ? choice.net_address() : std::string();
    state.port = port;
    state.status.clear();  // the last attempt's outcome no longer applies
  }
}

void Draw(PageCanvas& c, NetPageState& state, ScreenSettings& choice, View& view) {
  if (!view.started) {
    view.port_text = std::to_string(choice.net_port());
    view.started = true;
  }
  // Nothing of the choice changes while something runs or waits to start.
  const bool idle = state.link == Link::kOff && state.request == Request::kNone;
  const bool join = choice.net_role() == NetRole::kJoin;

  c.BeginDisabled(!idle);
  if (c.Radio(net_layout::kHostRadio, kHostRadio, !join)) {
    choice.set(ScreenSetting::kNetRole, static_cast<int>(NetRole::kHost));
    view.message.clear();
  }
  if (c.Radio(net_layout::kJoinRadio, kJoinRadio, join)) {
    choice.set(ScreenSetting::kNetRole, static_cast<int>(NetRole::kJoin));
    view.message.clear();
  }
  c.Text(net_layout::kAddressLabel, kAddressLabel);
  // A host listens on every address it has: the field is the guest's.
  c.BeginDisabled(!join);
  std::string address = choice.net_address();
  if (c.TextField("##net_address", net_layout::kAddress, &address, TextKind::kAddress,
                  kMaxNetAddressLength)) {
    choice.set_text(TextSetting::kNetAddress, address);
    view.message.clear();
  }
  c.EndDisabled();
  c.Text(net_layout::kPortLabel, kPortLabel);
  if (c.TextField("##net_port", net_layout::kPort, &view.port_text, TextKind::kDigits,
                  kPortDigits)) {
    const int port = ParsePort(view.port_text);
    if (port >= 0) choice.set(ScreenSetting::kNetPort, port);
    view.message.clear();
  }
  if (c.Button(net_layout::kStart, join ? kJoinButton : kHostButton)) {
    Start(state, choice, view);
  }
  c.EndDisabled();

  c.BeginDisabled(state.link == Link::kOff);
  if (c.Button(net_layout::kLeave, kLeaveButton)) state.request = Request::kLeave;
  c.EndDisabled();

  int y = net_layout::kMessagesTop;
  if (!view.message.empty()) y = Lines(c, y, view.message, 2) + 4;
  c.Bevel(layout::Box{0, y, kW, 2});
  y += 8;
  y = Lines(c, y, LinkLine(state), 3);
  // The status takes the room down to the note at the page's foot.
  const int note_top = layout::kExtraPageClient.h - 4 * kLine;
  if (!state.status.empty()) {
    const int room = std::max(1, (note_top - 4 - (y + 4)) / kLine);
    Lines(c, y + 4, state.status, static_cast<std::size_t>(room));
  }
  Lines(c, note_top, kAbout, 4);
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, std::size_t width,
                                  std::size_t max_lines) {
  std::vector<std::string> lines;
  if (width == 0 || max_lines == 0) return lines;
  std::string line;
  auto end_line = [&] {
    if (!line.empty()) lines.push_back(line);
    line.clear();
  };
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '\n') end_line();  // the app's own line breaks stand
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
      ++at;
      continue;
    }
    std::size_t end = text.find_first_of(" \n\r\t", at);
    if (end == std::string::npos) end = text.size();
    // A word longer than a line goes in pieces of a line each.
    for (std::size_t piece = at; piece < end; piece += width) {
      const std::string word = text.substr(piece, std::min(width, end - piece));
      if (!line.empty() && line.size() + 1 + word.size() > width) end_line();
      line += (line.empty() ? "" : " ") + word;
    }
    at = end;
  }
  end_line();
  if (lines.size() > max_lines) {
    lines.resize(max_lines);
    std::string& last = lines.back();
    if (last.size() + 3 > width) last.resize(width > 3 ? width - 3 : 0);
    last += "...";
  }
  return lines;
}

int ParsePort(const std::string& digits) {
  if (digits.empty() || digits.size() > kPortDigits) return -1;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    port = port * 10 + (c - '0');
  }
  return port >= kMinNetPort && port <= kMaxNetPort ? port : -1;
}

OptionsPage NetPage(NetPageState& state, ScreenSettings& choice) {
  auto view = std::make_shared<View>();
  OptionsPage page{kTitle,
                   [&state, &choice, view](PageCanvas& c) { Draw(c, state, choice, *view); }};
  page.usable_read_only = true;
  return page;
}

void AddNetPage(OptionsDialog& dialog, NetPageState& state, ScreenSettings& choice) {
  dialog.AddPage(NetPage(state, choice));
}

}  // namespace bv::settings
