#pragma once

#include <string>

#include "app/command_line.h"
#include "app/message_boxes.h"

namespace bv::app {

class Application;
class MainWindow;
class OptionsWindow;
class Probe;

// The application's loop, paced by the main window's frame pacer. Each
// pass hands every waiting event to the focus tracker, the drawing device
// (lost render targets), the game screen (its fullscreen keys), the
// options window and the main window, then lets the options window draw,
// the network come in and the frame timer run one pass. Ends when the application is asked to.
void RunLoop(Application& app, MainWindow& main, OptionsWindow& options, Probe* probe);

// The whole program: SDL, the main window with its creation, the options
// window, the network game the command line asks for, the loop, and the
// destruction of both. Returns the exit status.
int RunProgram(const std::string& program_dir, MessageBoxes& boxes,
               const CommandLine& command = {});

// How message boxes are handled, from BRIMVALE_MESSAGE_BOXES: "log" writes
// them to stderr instead of showing them, "both" does both; anything else
// shows them.
SdlMessageBoxes MessageBoxesFromEnvironment();

}  // namespace bv::app
