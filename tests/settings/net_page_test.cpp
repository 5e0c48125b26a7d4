#include "settings/net_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/fake_canvas.h"
#include "settings/polish.h"

namespace bv::settings {
namespace {

using Link = NetPageState::Link;
using Request = NetPageState::Request;
using test::Pl;

class NetPageTest : public ::testing::Test {
 protected:
  void Frame() {
    canvas.Frame(page);
    ASSERT_TRUE(canvas.balanced());
  }

  NetPageState state;
  ScreenSettings choice;
  OptionsPage page = NetPage(state, choice);
  test::FakeCanvas canvas;
  const std::string host = Pl("Załóż grę");
  const std::string join = Pl("Dołącz do gry");
  const std::string start_host = Pl("Załóż");
  const std::string connect = Pl("Połącz");
  const std::string leave = Pl("Rozłącz");
};

TEST_F(NetPageTest, HostsOnTheKeptPortByDefault) {
  EXPECT_EQ(page.title, Pl("Sieć"));
  EXPECT_TRUE(page.usable_read_only) << "a guest must be able to leave";
  Frame();
  EXPECT_TRUE(canvas.Shows(Pl("Brak połączenia"))) << canvas.AllText();
  EXPECT_EQ(canvas.fields["##net_port"], "28640");
  EXPECT_FALSE(canvas.enabled["##net_address"]) << "a host needs no address";
  EXPECT_TRUE(canvas.enabled[start_host]);
  EXPECT_FALSE(canvas.enabled[leave]) << "nothing to leave";

  canvas.Click(start_host);
  Frame();
  EXPECT_EQ(state.request, Request::kHost);
  EXPECT_EQ(state.port, kDefaultNetPort);
  Frame();
  EXPECT_FALSE(canvas.enabled[start_host]) << "one request at a time";
  EXPECT_EQ(state.TakeRequest(), Request::kHost);
  EXPECT_EQ(state.TakeRequest(), Request::kNone);

  state.link = Link::kHosting;
  Frame();
  EXPECT_TRUE(canvas.Shows(Pl("Czekam na gościa na porcie 28640"))) << canvas.AllText();
  EXPECT_FALSE(canvas.enabled[start_host]);
  EXPECT_FALSE(canvas.enabled[host]);
  EXPECT_FALSE(canvas.enabled["##net_port"]);
  canvas.Click(leave);
  Frame();
  EXPECT_EQ(state.TakeRequest(), Request::kLeave);
}

TEST_F(NetPageTest, JoiningChecksTheFieldsAndKeepsThemInTheSettings) {
  canvas.Click(join);
  Frame();
  EXPECT_EQ(choice.net_role(), NetRole::kJoin);
  Frame();
  EXPECT_TRUE(canvas.enabled["##net_address"]);

  canvas.Click(connect);
  Frame();
  EXPECT_EQ(state.request, Request::kNone);
  EXPECT_TRUE(canvas.Shows(Pl("Wpisz adres hosta."))) << canvas.AllText();

  // Only an address's characters are taken, only digits for the port.
  canvas.Type("##net_address", Pl("gra.przykład.pl:5000 "));
  canvas.Type("##net_port", "5x0");
  Frame();
  EXPECT_EQ(choice.net_address(), "gra.przykad.pl5000");
  EXPECT_EQ(canvas.fields["##net_port"], "50");
  EXPECT_EQ(choice.net_port(), kDefaultNetPort) << "50 is no port to keep";
  EXPECT_FALSE(canvas.Shows(Pl("Wpisz adres hosta."))) << "an edit clears the message";
  canvas.Click(connect);
  Frame();
  EXPECT_EQ(state.request, Request::kNone);
  EXPECT_TRUE(canvas.Shows(Pl("Port to liczba od 1024 do 65535."))) << canvas.AllText();

  canvas.Type("##net_address", "192.168.1.5");
  canvas.Type("##net_port", "123456");  // five digits at most
  Frame();
  EXPECT_EQ(canvas.fields["##net_port"], "12345");
  EXPECT_EQ(choice.net_port(), 12345);
  EXPECT_EQ(choice.net_address(), "192.168.1.5");
  state.status = "stary komunikat";
  canvas.Click(connect);
  Frame();
  EXPECT_EQ(state.request, Request::kJoin);
  EXPECT_EQ(state.address, "192.168.1.5");
  EXPECT_EQ(state.port, 12345);
  EXPECT_TRUE(state.status.empty()) << "the last attempt's outcome is gone";

  state.TakeRequest();
  state.link = Link::kJoining;
  Frame();
  EXPECT_TRUE(canvas.Shows(Pl("Łączę z 192.168.1.5:12345..."))) << canvas.AllText();
}

TEST_F(NetPageTest, AConnectedGuestSeesWhoRulesAndTheAppsStatusWrapped) {
  state.link = Link::kConnectedGuest;
  state.status = Pl("Odmowa: inna wersja danych gry (host 0123456789abcdef, ty fedcba9876543210)");
  Frame();
  EXPECT_TRUE(canvas.Shows(Pl("grasz jako gracz 2."))) << canvas.AllText();
  EXPECT_TRUE(canvas.Shows("level wybiera host.")) << canvas.AllText();
  EXPECT_TRUE(canvas.Shows("0123456789abcdef")) << canvas.AllText();
  for (const std::string& t : canvas.texts) EXPECT_LE(t.size(), 24u) << t;
  EXPECT_TRUE(canvas.enabled[leave]);
  EXPECT_FALSE(canvas.enabled[connect] || canvas.enabled[start_host]);
  // However long, the status stops above the note at the page's foot.
  state.status = std::string(500, 'x');
  Frame();
  EXPECT_TRUE(canvas.Shows("xxx...")) << canvas.AllText();
  EXPECT_TRUE(canvas.Shows(Pl("Host jest graczem 1, gość graczem 2."))) << canvas.AllText();
  std::vector<layout::Box> boxes = canvas.text_boxes;
  std::sort(boxes.begin(), boxes.end(),
            [](const layout::Box& a, const layout::Box& b) { return a.y < b.y; });
  for (size_t i = 0; i + 1 < boxes.size(); ++i) {
    EXPECT_LE(boxes[i].bottom(), boxes[i + 1].y) << "lines overlap at " << boxes[i].y;
  }
  EXPECT_LE(boxes.back().bottom(), layout::kExtraPageClient.h);
  state.link = Link::kConnectedHost;
  Frame();
  EXPECT_TRUE(canvas.Shows(Pl("grasz jako gracz 1."))) << canvas.AllText();
}

TEST(WrapText, BreaksAtSpacesCutsLongWordsAndMarksWhatDoesNotFit) {
  struct Case {
    const char* text;
    std::size_t width, max_lines;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", 10, 3, {}},
      {"   ", 10, 3, {}},
      {"jeden dwa trzy", 10, 3, {"jeden dwa", "trzy"}},
      {"  jeden   dwa ", 10, 3, {"jeden dwa"}},
      {"abcdefghijklmnopqrstuvw", 10, 3, {"abcdefghij", "klmnopqrst", "uvw"}},
      {"jeden dwa trzy cztery pięć", 10, 2, {"jeden dwa", "trzy..."}},
      {"abcdefghij klmnopqrst uvw", 10, 2, {"abcdefghij", "klmnopq..."}},
      {"a b", 10, 0, {}},
      {"jeden\ndwa trzy\r\n\ncztery", 20, 5, {"jeden", "dwa trzy", "cztery"}},
      {"tab\tby\x01", 20, 5, {"tab by\x01"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrapText(c.text, c.width, c.max_lines), c.lines) << c.text;
  }
}

TEST(ParsePort, OnlyTheUsersPorts) {
  EXPECT_EQ(ParsePort("1024"), 1024);
  EXPECT_EQ(ParsePort("65535"), 65535);
  EXPECT_EQ(ParsePort("01024"), 1024);
  EXPECT_EQ(ParsePort("1023"), -1);
  EXPECT_EQ(ParsePort("65536"), -1);
  EXPECT_EQ(ParsePort(""), -1);
  EXPECT_EQ(ParsePort("99999999"), -1);
  EXPECT_EQ(ParsePort("12a"), -1);
}

}  // namespace
}  // namespace bv::settings
