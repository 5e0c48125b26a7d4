#pragma once

// A PageCanvas that draws nothing: it notes what a page drew and plays the
// player's part (a click on a button or radio, text typed into a field), as
// the window would, ignoring what is drawn disabled.

#include <map>
#include <string>
#include <vector>

#include "settings/options_page.h"

namespace bv::test {

class FakeCanvas final : public settings::PageCanvas {
 public:
  // For the next frame: click the widget with this caption, or type this
  // text (Windows-1250) into the field with this id, as a paste would.
  void Click(const std::string& caption) { clicks_.push_back(caption); }
  void Type(const std::string& id, const std::string& text) { typing_[id] = text; }

  // Draws one frame of the page; what was drawn replaces the last frame's.
  void Frame(const settings::OptionsPage& page) {
    texts.clear();
    text_boxes.clear();
    enabled.clear();
    fields.clear();
    depth_ = 0;
    disabled_ = 0;
    page.draw(*this);
    clicks_.clear();
    typing_.clear();
  }

  // The last frame: texts in order, whether each captioned widget was
  // usable, each field's text.
  std::vector<std::string> texts;
  std::vector<settings::layout::Box> text_boxes;  // where each text stood
  std::map<std::string, bool> enabled;
  std::map<std::string, std::string> fields;
  // Whether the texts, their lines joined by spaces, hold `text`.
  bool Shows(const std::string& text) const {
    std::string joined;
    for (const std::string& t : texts) joined += t + " ";
    return joined.find(text) != std::string::npos;
  }
  std::string AllText() const {
    std::string all;
    for (const std::string& t : texts) all += t + "|";
    return all;
  }
  bool balanced() const { return depth_ == 0; }

  void Text(const settings::layout::Box& b, const char* text, float) override {
    texts.emplace_back(text);
    text_boxes.push_back(b);
  }
  void Text(const settings::layout::Box& b, const std::string& changing, float) override {
    texts.push_back(changing);
    text_boxes.push_back(b);
  }
  void Bevel(const settings::layout::Box&) override {}
  bool Bar(const char*, const settings::layout::Box&, int*, int, int, int) override {
    return false;
  }
  bool Check(const settings::layout::Box&, const char* label, bool* value) override {
    if (!Clicked(label)) return false;
    *value = !*value;
    return true;
  }
  bool Radio(const settings::layout::Box&, const char* label, bool) override {
    return Clicked(label);
  }
  bool DropDown(const char*, const settings::layout::Box&, const char* const*, int, int*) override {
    return false;
  }
  bool TextField(const char* id, const settings::layout::Box&, std::string* value,
                 settings::TextKind kind, std::size_t max_length) override {
    enabled[id] = disabled_ == 0;
    auto typed = typing_.find(id);
    bool changed = false;
    if (typed != typing_.end() && disabled_ == 0) {
      // The field's own filter, as the window's.
      const std::string kept = settings::FilterText(kind, max_length, typed->second);
      changed = kept != *value;
      *value = kept;
    }
    fields[id] = *value;
    return changed;
  }
  bool Button(const settings::layout::Box&, const char* caption) override {
    return Clicked(caption);
  }
  void BeginDisabled(bool disabled) override {
    ++depth_;
    stack_.push_back(disabled);
    disabled_ += disabled ? 1 : 0;
  }
  void EndDisabled() override {
    --depth_;
    if (stack_.empty()) return;
    disabled_ -= stack_.back() ? 1 : 0;
    stack_.pop_back();
  }

 private:
  bool Clicked(const std::string& caption) {
    enabled[caption] = disabled_ == 0;
    if (disabled_ != 0) return false;
    for (const std::string& c : clicks_) {
      if (c == caption) return true;
    }
    return false;
  }

  std::vector<std::string> clicks_;
  std::map<std::string, std::string> typing_;
  std::vector<bool> stack_;
  int depth_ = 0;
  int disabled_ = 0;
};

}  // namespace bv::test
