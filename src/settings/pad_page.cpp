#include "settings/pad_page.h"

#include "media/cp1250.h"
#include "settings/options_dialog.h"
#include "settings/options_texts.h"

namespace bv::settings {

namespace {

constexpr size_t kNameFits = 24;  // characters of a pad's name the page has room for
constexpr int kLineHeight = 16;

std::string Fitted(const std::string& utf8) {
  std::string name = media::Utf8ToCp1250(utf8);
  if (name.empty()) name = "?";
  if (name.size() > kNameFits) name = name.substr(0, kNameFits - 3) + "...";
  return name;
}

}  // namespace

std::vector<std::string> PadPageLines(const media::PadSlots& slots) {
  std::vector<std::string> lines;
  for (int place = 0; place < media::PadSlots::kPlaces; ++place) {
    lines.push_back(text::kPadPlayer[place]);
    const media::PadSlots::Pad* pad = slots.InPlace(place);
    lines.push_back("  " + (pad != nullptr ? Fitted(pad->name) : std::string(text::kNoPad)));
  }
  int waiting = 0;
  for (const media::PadSlots::Pad& p : slots.pads())
    waiting += p.place == media::PadSlots::kWaiting;
  if (waiting > 0) lines.push_back(text::kPadsWaiting + std::to_string(waiting));
  lines.emplace_back();
  for (const char* l : text::kPadOnePlayer) lines.push_back(l);
  lines.emplace_back();
  for (const char* l : text::kPadControls) lines.push_back(l);
  return lines;
}

void AddPadPage(OptionsDialog& dialog, const media::PadSlots& slots) {
  dialog.AddPage(
      {text::kPadPage, [&slots](PageCanvas& c) {
         const std::vector<std::string> lines = PadPageLines(slots);
         for (size_t i = 0; i < lines.size(); ++i) {
           c.Text(layout::Box{0, static_cast<int>(i) * kLineHeight, layout::kExtraPageClient.w, 13},
                  lines[i]);
         }
       }});
}

}  // namespace bv::settings
