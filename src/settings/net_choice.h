#pragma once

#include <string>

#include "settings/screen_settings.h"

namespace bv::settings {

// What the options window's "Sieć" page and the game share about network
// play; nothing here touches the network.
//
// The page edits the choice the player keeps between runs (host or join, the
// host's address, the port) in ScreenSettings, which brimvale.ini holds.
// When the player presses a button, the page checks the fields and writes a
// request here together with the address and port it was made with. The app
// takes the request (TakeRequest) once per pass, carries it out, and writes
// `link` and `status`, which the page shows. While the link is not kOff the
// page offers only "Rozłącz" (kLeave); while it is kOff it never asks to leave.
//
// A connected guest plays by the host's settings and level: the app then
// switches the options window read-only (OptionsDialog::SetReadOnly, or
// OptionsForm::BeginReadOnly with the host's record), and this page alone
// stays usable, so the guest can still leave.
struct NetPageState {
  enum class Request {
    kNone,
    kHost,   // listen on `port` and wait for a guest
    kJoin,   // connect to `address` on `port`
    kLeave,  // end whatever runs: the wait, the connecting, the game
  };
  enum class Link {
    kOff,             // nothing running: the page offers host and join
    kHosting,         // listening, no guest yet
    kJoining,         // connecting to a host, not yet let in
    kConnectedHost,   // a game with a guest: this side is player 1
    kConnectedGuest,  // a game on a host: this side is player 2, the host's settings rule
  };

  // Written by the page, taken and cleared by the app.
  Request request = Request::kNone;
  std::string address;         // for kJoin: a host name or IPv4 address, ASCII
  int port = kDefaultNetPort;  // for kHost and kJoin: kMinNetPort..kMaxNetPort

  // Written by the app, shown by the page.
  Link link = Link::kOff;
  // Windows-1250. One line or a few, shown under the link's own line: what
  // happened last ("Odmowa: ...", "Utracono połączenie"); empty for nothing.
  // The page wraps it to fit.
  std::string status;

  // The request, once: it reads kNone until the page makes the next one.
  Request TakeRequest() {
    const Request r = request;
    request = Request::kNone;
    return r;
  }
  bool connected() const { return link == Link::kConnectedHost || link == Link::kConnectedGuest; }
};

}  // namespace bv::settings
