#pragma once

#include <string>
#include <vector>

#include "file_writers.h"
#include "image.h"
#include "text.h"

namespace bv::assets {

// One generated file, by its path below data/ ("textures/12.bmp").
struct DataFile {
  std::string path;
  Bytes bytes;
};

// Everything the game loads from data/ except the levels. Same bytes every run.
std::vector<DataFile> GenerateData(const std::string& font_dir);

// Writes the files below `data_dir`, creating folders.
void WriteData(const std::vector<DataFile>& files, const std::string& data_dir);

// All textures (animated ones with every pattern), objects and the other
// pictures with their numbers, for review.
Image ContactSheet(const std::string& font_dir);
// A mock game frame from the generated pictures, power on or off.
Image SceneMock(const Fonts& fonts, bool power_on);

// Textures first..last (or objects, numbered from 1000) enlarged, for close review.
Image Preview(const std::string& font_dir, int first, int last, int scale);

}  // namespace bv::assets
