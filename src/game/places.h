#pragma once

#include <string>

namespace bv::game {

// Where the game's files are: the folder holding data/ (levels, images, the
// font, the sounds) and the folder config.dat is kept in. Every reader of
// data and the settings file take their folder from here.
struct Places {
  std::string data_root;
  std::string settings_dir;
};

// Both beside the program, as the game has always kept them.
inline Places PlacesOfProgram(const std::string& program_dir) {
  return {program_dir, program_dir};
}

}  // namespace bv::game
