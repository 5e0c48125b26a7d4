#pragma once

namespace bv::app {

// The application object: its loop runs until something asks it to end
// (the main window closing, a fatal report, the main window's destruction).
class Application {
 public:
  void Terminate() { terminated_ = true; }
  bool terminated() const { return terminated_; }

 private:
  bool terminated_ = false;
};

}  // namespace bv::app
