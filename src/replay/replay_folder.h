#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "replay/file_sink.h"

namespace bv::replay {

// The game keeps its last runs' replays.
constexpr size_t kKeptRuns = 20;

// A run's file name from its local start time: "2026-03-01_18-04-59.bvr",
// with "-2", "-3", ... for a second run started in the same second.
std::string RunFileName(const std::tm& local, int attempt = 1);
// True for names RunFileName makes; only those are ever pruned, so a
// replay renamed by the player is kept.
bool IsRunFileName(const std::string& name);

// Creates `dir` when needed and a new run file in it for a run started at
// `started`; false with the reason when neither works.
bool CreateRunFile(const std::string& dir, std::time_t started, FileSink& sink, std::string* error);

// Deletes the oldest run files of `dir` beyond the newest `keep`; returns
// the names deleted.
std::vector<std::string> PruneRuns(const std::string& dir, size_t keep = kKeptRuns);

}  // namespace bv::replay
