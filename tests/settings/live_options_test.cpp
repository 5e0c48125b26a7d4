#include "settings/live_options.h"

#include <gtest/gtest.h>

namespace bv::settings {
namespace {

TEST(LiveOptions, Defaults) {
  LiveOptions o;
  EXPECT_EQ(o.difficulty(), 3);
  EXPECT_EQ(o.frag_limit(), 10);
  EXPECT_EQ(o.point_limit(), 5000);
  EXPECT_TRUE(o.arenamode());
  EXPECT_EQ(o.reitem_period(), 600);
  EXPECT_FALSE(o.show_fps());
  EXPECT_EQ(o.level_source(), LevelSource::kCampaign);
  EXPECT_TRUE(o.level_list().empty());
  EXPECT_EQ(o.selected(), -1);
  EXPECT_EQ(o.selected_text(), "");
  EXPECT_FALSE(o.options_visible());
}

TEST(LiveOptions, ValuesAreClampedLikeTheControls) {
  LiveOptions o;
  struct {
    int in, frag, point, reitem;
  } cases[] = {{-5, 5, 1000, 100}, {50, 50, 1000, 100}, {150, 100, 1000, 150},
               {999999, 100, 100000, 1000}, {5000, 100, 5000, 1000}};
  for (auto c : cases) {
    o.set_frag_limit(c.in);
    o.set_point_limit(c.in);
    o.set_reitem_period(c.in);
    EXPECT_EQ(o.frag_limit(), c.frag) << c.in;
    EXPECT_EQ(o.point_limit(), c.point) << c.in;
    EXPECT_EQ(o.reitem_period(), c.reitem) << c.in;
  }
  for (int d : {0, 6}) {
    o.set_difficulty(d);
    EXPECT_EQ(o.difficulty(), d);
  }
  o.set_difficulty(7);
  EXPECT_EQ(o.difficulty(), -1);
  o.set_difficulty(9);
  EXPECT_EQ(o.difficulty(), -1);
}

TEST(LiveOptions, LevelListSelection) {
  LiveOptions o;
  o.set_level_list({"a", "b"});
  EXPECT_EQ(o.selected(), 0);
  EXPECT_EQ(o.selected_text(), "a");
  o.set_selected(1);
  EXPECT_EQ(o.selected_text(), "b");
  o.set_selected(2);
  EXPECT_EQ(o.selected(), -1);
  o.set_level_list({});
  EXPECT_EQ(o.selected(), -1);
}

}  // namespace
}  // namespace bv::settings
