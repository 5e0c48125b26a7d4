#include "app/command_line.h"

#include <gtest/gtest.h>

namespace bv::app {
namespace {

TEST(CommandLine, NothingAsksForNothing) {
  const CommandLine c = ParseCommandLine({});
  EXPECT_FALSE(c.help);
  EXPECT_FALSE(c.net.has_value());
  EXPECT_TRUE(c.error.empty());
}

TEST(CommandLine, HostAndJoin) {
  CommandLine c = ParseCommandLine({"--host", "7777", "--mode", "cooperation", "--level", "Kampania"});
  ASSERT_TRUE(c.net.has_value()) << c.error;
  EXPECT_EQ(c.net->role, NetStart::Role::kHost);
  EXPECT_EQ(c.net->port, 7777);
  EXPECT_EQ(c.net->mode, 0);
  EXPECT_EQ(c.net->level, "Kampania");
  EXPECT_FALSE(c.net->custom_level);

  c = ParseCommandLine({"--custom-level", "Magazyn", "--mode", "2", "--host", "1"});
  ASSERT_TRUE(c.net.has_value()) << c.error;
  EXPECT_EQ(c.net->mode, 2);
  EXPECT_TRUE(c.net->custom_level);
  EXPECT_EQ(c.net->level, "Magazyn");

  c = ParseCommandLine({"--join", "127.0.0.1:65535"});
  ASSERT_TRUE(c.net.has_value()) << c.error;
  EXPECT_EQ(c.net->role, NetStart::Role::kJoin);
  EXPECT_EQ(c.net->address, "127.0.0.1");
  EXPECT_EQ(c.net->port, 65535);
  EXPECT_FALSE(c.net->mode.has_value());

  c = ParseCommandLine({"--join", "gra.example.org:4000"});
  EXPECT_EQ(c.net->address, "gra.example.org");
  EXPECT_EQ(ParseCommandLine({"--help"}).help, true);
}

TEST(CommandLine, WhatCannotBeUsedIsNamed) {
  const std::vector<std::vector<std::string>> bad = {
      {"--host"},
      {"--host", "0"},
      {"--host", "65536"},
      {"--host", "77x"},
      {"--host", "-5"},
      {"--join", "127.0.0.1"},
      {"--join", ":7777"},
      {"--join", "host:"},
      {"--host", "1", "--join", "a:2"},
      {"--mode", "deathmatch"},
      {"--join", "a:1", "--mode", "deathmatch"},
      {"--host", "1", "--mode", "duel"},
      {"--host", "1", "--level"},
      {"--host", "1", "--level", "A", "--custom-level", "B"},
      {"--host", "1", "--mode", "deathmatch", "--level", "Kampania"},
      {"--host", "1", "--mode", "pointmatch"},
      {"--fullscreen"},
  };
  for (const auto& args : bad) {
    const CommandLine c = ParseCommandLine(args);
    EXPECT_FALSE(c.error.empty()) << args[0] << " " << (args.size() > 1 ? args[1] : "");
  }
  EXPECT_NE(UsageText().find("--join ADDRESS:PORT"), std::string::npos);
}

}  // namespace
}  // namespace bv::app
