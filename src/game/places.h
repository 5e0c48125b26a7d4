#pragma once

#include <string>

namespace bv::game {

// Where the game's files are, looked up once at start. Every reader of data
// and every file the game writes take their folder from here.
struct Places {
  std::string data_root;     // the folder holding data/ (levels, images, font, sounds)
  std::string settings_dir;  // config.dat and the other settings files; made on first save
  std::string replays_dir;   // the recorded runs; made on first use
  // The player's own custom levels, listed with the shipped ones; empty
  // when the game runs from its own folder, where data/ is the player's.
  std::string user_levels_dir;
};

// Everything beside the program, as the game has always kept it: a build
// folder or an unpacked copy.
Places PlacesOfProgram(const std::string& program_dir);

// What the lookup reads from the environment; empty when unset.
struct PlacesEnvironment {
  std::string home;
  std::string xdg_config_home;
  std::string xdg_data_home;

  // This process's variables, the home folder from the password database
  // when HOME is unset.
  static PlacesEnvironment OfProcess();
};

// The program's folder holds data/: everything beside it. Otherwise an
// install: data in <prefix>/share/brimvale with the program in <prefix>/bin
// (or any folder one level under the prefix, so a moved prefix works),
// settings in $XDG_CONFIG_HOME/brimvale, replays and the player's levels
// under $XDG_DATA_HOME/brimvale, whoever runs the game and whether or not
// the prefix is writable.
Places FindPlaces(const std::string& program_dir, const PlacesEnvironment& env);

}  // namespace bv::game
