#include "app/options_window.h"

#include "app/main_window.h"
#include "media/sdl_keyboard.h"
#include "settings/net_page.h"
#include "settings/pad_page.h"
#include "settings/screen_page.h"

namespace bv::app {

OptionsWindow::OptionsWindow(MainWindow& main)
    : main_(main), form_(main.world(), main.live(), main.places()), dialog_(form_) {
  form_.set_fatal_report(
      [this](int32_t code, const std::string& text) { return main_.ReportFatal(code, text); });
  form_.set_draw_switches([this](bool antialias, bool dithering) {
    main_.device().SetAntialias(antialias);
    main_.device().SetDithering(dithering);
  });
}

OptionsWindow::~OptionsWindow() {
  FormDestroy();
}

bool OptionsWindow::Create(std::string* error) {
  dialog_.set_scale(main_.screen().scale());
  if (!dialog_.Create(main_.window(), error)) return false;
  settings::AddPadPage(dialog_, main_.pads().slots());
  settings::AddScreenPage(dialog_, main_.screen_settings());
  settings::AddNetPage(dialog_, main_.net_page(), main_.screen_settings());
  // Its result is not checked: a reader that cannot start finds no key down.
  con_ = media::MakeSdlInputReader(dialog_.window());
  con_->Initialize();
  form_.set_key_source(con_.get());
  form_.Create();
  return true;
}

void OptionsWindow::FormDestroy() {
  if (con_ == nullptr) return;
  form_.set_key_source(nullptr);
  con_->Finalize();
  con_.reset();
}

}  // namespace bv::app
