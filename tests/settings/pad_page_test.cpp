#include "settings/pad_page.h"

#include <gtest/gtest.h>

#include "settings/polish.h"

namespace bv::settings {
namespace {

using test::Pl;

TEST(PadPage, ShowsWhichPadDrivesWhichPlayer) {
  const std::vector<std::string> tail = {
      "",
      Pl("W grze jednoosobowej każdy"),
      Pl("pad steruje graczem 1."),
      "",
      Pl("Sterowanie padem:"),
      Pl("Krzyżak, lewa gałka: ruch"),
      Pl("A, prawy spust: atak"),
      Pl("X, LB, RB: zmiana broni"),
      Pl("Start, Back: Escape"),
  };
  auto with_tail = [&](std::vector<std::string> head) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };

  media::PadSlots s;
  EXPECT_EQ(PadPageLines(s), with_tail({"Gracz 1:", "  brak pada", "Gracz 2:", "  brak pada"}));

  s.Attach(3, "Xbox 360 Controller");
  s.Attach(4, "PS4 Controller");
  s.Attach(5,
           "Pad \xC5\x81\xC3\xB3"
           "dzki");  // "Pad Łódzki" in UTF-8
  s.Attach(6, "A pad whose name is far too long for the page");
  EXPECT_EQ(PadPageLines(s), with_tail({"Gracz 1:", "  Xbox 360 Controller",
                                        "Gracz 2:", "  PS4 Controller", Pl("Czekające pady: 2")}));
  s.Detach(3);
  s.Detach(4);
  EXPECT_EQ(PadPageLines(s),
            with_tail({"Gracz 1:", Pl("  Pad Łódzki"), "Gracz 2:", "  A pad whose name is f..."}));
}

}  // namespace
}  // namespace bv::settings
