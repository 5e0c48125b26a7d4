#include <gtest/gtest.h>

#include "render/color.h"
#include "render/effect.h"

namespace bv::render {
namespace {

TEST(ColorTest, FunctionsKeepTheLowBytesInTheGameLayout) {
  struct Case {
    Color got, want;
  } cases[] = {
      {ColorRGB(255, 0, 0), 0x000000FFu},          {ColorRGB(1, 2, 3), 0x00030201u},
      {ColorRGB(256 + 7, -1, 512), 0x0000FF07u},  // low 8 bits of each argument
      {ColorARGB(128, 255, 255, 0), 0x8000FFFFu},  {ColorARGB(-1, 0, 0, 0), 0xFF000000u},
      {WithAlpha(255, 0x00AAFFAAu), 0xFFAAFFAAu},  {WithAlpha(0x180, 0x00123456u), 0x80123456u},
      {WithAlpha(0x10, 0x80000000u), 0x90000000u},  // ORed, not replaced
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(RedOf(0x11223344u), 0x44);
  EXPECT_EQ(AlphaOf(0x11223344u), 0x11);
}

TEST(EffectTest, VertexAlphaComesFromTheColourOnlyWithBitZero) {
  EXPECT_EQ(VertexAlpha(0, 10), 255);
  EXPECT_EQ(VertexAlpha(4, 10), 255);
  EXPECT_EQ(VertexAlpha(5, 10), 10);
  EXPECT_EQ(VertexAlpha(1, 0), 0);
}

TEST(EffectTest, BlendTableRowsAndStandardModes) {
  struct Case {
    int effect;
    SDL_BlendFactor src, dst;
    SDL_BlendMode standard;
  } cases[] = {
      {0, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDMODE_NONE},
      {1, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDMODE_NONE},
      {4, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDMODE_BLEND},
      {5, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDMODE_BLEND},
      {2, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD},
      {6, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD},
      {8, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDMODE_BLEND},
      {10, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD},
      {16, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDMODE_MOD},
      {20, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDMODE_MOD},
      {32, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR, SDL_BLENDMODE_MOD},
      {36, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDMODE_BLEND},
      {4 | kLineMark, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
       SDL_BLENDMODE_BLEND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.effect);
    const BlendRow* row = FindBlendRow(c.effect);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->src, c.src);
    EXPECT_EQ(row->dst, c.dst);
    EXPECT_EQ(BlendModeFor(*row, false), c.standard);
  }
  for (int outside : {12, 14, 18, 24, 62}) EXPECT_EQ(FindBlendRow(outside), nullptr) << outside;
}

TEST(EffectTest, CustomModesOnlyWhereTheStandardOneIsNotExact) {
  // The effects the game uses never depend on custom modes.
  for (int e : {0, 4, 6, 16})
    EXPECT_EQ(BlendModeFor(*FindBlendRow(e), true), FindBlendRow(e)->standard);
  const BlendRow& add = *FindBlendRow(kBlendAdd);
  EXPECT_EQ(
      BlendModeFor(add, true),
      SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD,
                                 SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD));
}

}  // namespace
}  // namespace bv::render
