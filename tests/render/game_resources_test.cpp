// Loading the font and the images start-up loads: sizes, order, and where
// loading stops on a failure.

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "render/draw_device.h"
#include "render/game_resources.h"
#include "render/program_images.h"

namespace bv::test {
namespace {

using render::ImageLoadResult;

class GameResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface_, nullptr);
    ASSERT_EQ(device_.CreateForSurface(surface_), 0);
    WriteProgramImages(dir_);
    resources_ = std::make_unique<render::GameResources>(device_);
  }
  void TearDown() override {
    resources_.reset();
    device_.Shutdown();
    SDL_FreeSurface(surface_);
  }

  const render::FrameImages& handles() { return resources_->images(); }
  ImageLoadResult Load() { return resources_->LoadImages(game::PlacesOfProgram(dir_.path())); }

  SDL_Surface* surface_ = nullptr;
  render::DrawDevice device_;
  TempDir dir_;
  std::unique_ptr<render::GameResources> resources_;
};

TEST_F(GameResourcesTest, LoadsEveryImageWithItsPatternAndTextureSizes) {
  const ImageLoadResult r = Load();
  ASSERT_TRUE(r.ok()) << r.tag << " " << r.code << " " << r.file_error;
  EXPECT_EQ(resources_->image_count(), 256u + 49u + 2u + 5u);
  const render::FrameImages& h = handles();
  for (const render::PatternImage* image : h.textures) {
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->loaded());
  }
  for (const render::PatternImage* image : h.object_images) {
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->loaded());
  }
  struct Case {
    const render::PatternImage* image;
    int pw, ph, tw, th, patterns;
  };
  const Case cases[] = {
      {h.textures[255], 50, 50, 64, 64, 1},      {h.object_images[48], 50, 50, 64, 64, 1},
      {h.load_images[0], 448, 480, 512, 512, 1}, {h.load_images[1], 448, 480, 512, 512, 1},
      {h.anim_image, 60, 60, 64, 64, 1},         {h.bar_image, 100, 4, 128, 4, 1},
      {h.hud_image, 310, 85, 512, 128, 1},       {h.logo_image, 320, 210, 512, 256, 2},
      {h.split_image, 2, 480, 2, 512, 1},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.image, nullptr);
    EXPECT_TRUE(c.image->loaded());
    EXPECT_EQ(c.image->pattern_width(), c.pw);
    EXPECT_EQ(c.image->pattern_height(), c.ph);
    EXPECT_EQ(c.image->texture_width(), c.tw);
    EXPECT_EQ(c.image->texture_height(), c.th);
    EXPECT_EQ(c.image->pattern_count(), c.patterns);
  }
}

// A missing file raises the reader's error: loading stops there, the failing
// image stays in its handle unloaded, and nothing after it is made.
TEST_F(GameResourcesTest, AMissingObjectImageStopsLoadingWithTheFileError) {
  std::filesystem::remove(dir_.File("data/objects/48.tga"));
  const ImageLoadResult r = Load();
  EXPECT_EQ(r.status, ImageLoadResult::Status::kFileError);
  EXPECT_EQ(r.tag, "(obj)");
  EXPECT_EQ(r.code, 0);
  EXPECT_FALSE(r.file_error.empty());
  EXPECT_NE(r.path.find("objects/48.tga"), std::string::npos) << r.path;
  const render::FrameImages& h = handles();
  EXPECT_TRUE(h.textures[255]->loaded());
  EXPECT_TRUE(h.object_images[47]->loaded());
  ASSERT_NE(h.object_images[48], nullptr);
  EXPECT_FALSE(h.object_images[48]->loaded());
  EXPECT_EQ(h.load_images[0], nullptr);
  EXPECT_EQ(h.anim_image, nullptr);
  EXPECT_EQ(h.split_image, nullptr);
}

TEST_F(GameResourcesTest, ALoaderCodeStopsLoadingWithTheImagesTag) {
  WriteBytes(dir_.File("data/textures/0.bmp"),
             Bmp(10, 10, 24, std::vector<uint32_t>(100, 0xFFFFFFFFu)));  // smaller than a tile
  const ImageLoadResult r = Load();
  EXPECT_EQ(r.status, ImageLoadResult::Status::kCode);
  EXPECT_EQ(r.code, -1);
  EXPECT_EQ(r.tag, "(txs)");
  ASSERT_NE(handles().textures[0], nullptr);
  EXPECT_FALSE(handles().textures[0]->loaded());
  EXPECT_EQ(handles().textures[1], nullptr);
}

TEST_F(GameResourcesTest, EachGroupReportsItsOwnTag) {
  struct Case {
    const char* file;
    const char* tag;
  };
  for (const Case c : {Case{"data/load1.tga", "(load)"}, Case{"data/anim.tga", "(anim)"},
                       Case{"data/bar.tga", "(bar)"}, Case{"data/hud.tga", "(hud)"},
                       Case{"data/logo.tga", "(logo)"}, Case{"data/split.tga", "(split)"}}) {
    const std::vector<uint8_t> good = ReadBytes(dir_.File(c.file));
    TgaHeader colour_mapped;
    colour_mapped.color_map_type = 1;
    colour_mapped.width = 4;
    colour_mapped.height = 4;
    WriteBytes(dir_.File(c.file), Tga(colour_mapped, std::vector<uint32_t>(16, 0)));
    const ImageLoadResult r = Load();
    EXPECT_EQ(r.status, ImageLoadResult::Status::kFileError) << c.file;
    EXPECT_EQ(r.tag, c.tag) << c.file;
    WriteBytes(dir_.File(c.file), good);
  }
  // Mended, a second load replaces everything.
  EXPECT_TRUE(Load().ok());
  EXPECT_TRUE(handles().split_image->loaded());
}

TEST_F(GameResourcesTest, TheFontLoadsFromTheDataFolderAndReleaseClearsEverything) {
  EXPECT_EQ(resources_->LoadFont(game::PlacesOfProgram(dir_.path())), -17);  // no font file yet
  EXPECT_FALSE(resources_->font().loaded());
  ASSERT_TRUE(WriteProgramFont(dir_));
  EXPECT_EQ(resources_->LoadFont(game::PlacesOfProgram(dir_.path())), 0);
  EXPECT_TRUE(resources_->font().loaded());
  ASSERT_TRUE(Load().ok());
  resources_->Release();
  EXPECT_FALSE(resources_->font().loaded());
  EXPECT_EQ(resources_->image_count(), 0u);
  EXPECT_EQ(handles().textures[0], nullptr);
  EXPECT_EQ(handles().object_images[48], nullptr);
  EXPECT_EQ(handles().logo_image, nullptr);
}

}  // namespace
}  // namespace bv::test
