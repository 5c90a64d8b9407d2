#pragma once
// ReplayRecorder: writes the game in progress to its replay file as it goes, so that a crash
// leaves a file that plays up to the last flush, and completes the file when the game ends.
// Flushes append only what is new: the text already on disk stays as it is, and a run still
// open at a flush continues in a line of its own. A file that cannot be written never stops
// the game: recording goes on in memory and finish() reports the failure.
// Depends on: Replay, the standard library.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "app/Replay.h"

class ReplayRecorder {
public:
    // Starts the file at `path` (truncating it) with the start of the game.
    ReplayRecorder(std::string path, const ReplayStart& start);

    // Appends a frame; a frame equal to the last one only lengthens its run.
    void addFrame(const ReplayFrame& frame);
    // Writes out everything recorded so far.
    void flush();
    // Completes the file atomically: the whole replay with its end line is written to a
    // temporary file beside it, which then replaces it. Returns false if it could not be written.
    bool finish(const ReplaySummary& summary);

    const Replay& replay() const { return replay_; }

private:
    std::string path_;
    Replay replay_;
    std::ofstream out_;
    // What is on disk: the runs before `writtenRuns_`, and of the run at that index its first
    // `writtenOfRun_` frames.
    std::size_t writtenRuns_ = 0;
    std::int64_t writtenOfRun_ = 0;
};
