#pragma once

#include <memory>
#include <string>

namespace bv::app {

class MainWindow;

// Test hooks for driving the real program from a script, off unless the
// environment names a screenshot file in BRIMVALE_PROBE. Then:
// - SIGUSR1 writes the next frame drawn to that file as PNG and prints
//   "screenshot N" on stdout (N counts the screenshots);
// - SIGUSR2 prints one "state ..." line on stdout about the world drawn:
//   counters, level, transition, players, options visibility, sounds, and which of the
//   program's windows SDL gives the keyboard (focus=game, options or none),
//   the network game (net=none, connecting, playing, waiting, closing or
//   over; its confirmed steps; the replay of the last one) and the timer
//   of the message laid over the frame after one (overlay),
//   then one "screen ..." line: the window's size, fullscreen, where the
//   frame is shown and at what scale, the loop's pace and vsync;
// - at the first pass a "started ..." line tells the drawing driver and
//   which samples are silent.
class Probe {
 public:
  // Null when BRIMVALE_PROBE is not set.
  static std::unique_ptr<Probe> FromEnvironment(MainWindow& main);

  Probe(MainWindow& main, std::string screenshot_path);
  ~Probe();
  // Once per pass of the loop.
  void Poll();

 private:
  void PrintStarted();
  void PrintState();
  void PrintScreen();
  const char* FocusName() const;
  void AfterFrame();

  MainWindow& main_;
  std::string path_;
  bool started_ = false;
  bool shot_pending_ = false;
  int shots_ = 0;
  long passes_ = 0;
};

}  // namespace bv::app
