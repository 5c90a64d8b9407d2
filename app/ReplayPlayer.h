#pragma once
// ReplayPlayer: hands out the frames of a replay one by one, each when it is due. It keeps to
// the recorded clock: a frame is due once the machine's clock, counted from the first frame
// asked for and less the time spent paused, has reached the recorded time at its end. It waits
// when it is ahead and, on a slower machine, falls behind: it never skips or merges a frame.
// A fast player hands out every frame at once.
// Depends on: Replay. Knows nothing of the game; the game manager plays what it hands out.
#include <cstdint>

#include "app/Replay.h"

class ReplayPlayer {
public:
    ReplayPlayer(Replay replay, bool fast);

    // The next frame if it is due at `wallMicros` (the machine's clock), else null; null too
    // while paused and after the last frame.
    const ReplayFrame* next(std::int64_t wallMicros);
    void setPaused(bool paused, std::int64_t wallMicros);

    const Replay& replay() const { return replay_; }
    bool isFast() const { return fast_; }
    bool isPaused() const { return paused_; }
    bool isFinished() const { return run_ >= replay_.runs.size(); }
    std::int64_t framesPlayed() const { return framesPlayed_; }

private:
    Replay replay_;
    bool fast_;
    bool started_ = false;
    bool paused_ = false;
    std::int64_t startWall_ = 0;  // moved on by every pause, so that pauses do not count
    std::int64_t pausedAt_ = 0;
    std::int64_t recordedMicros_ = 0;  // the recorded clock at the end of the frames handed out
    std::size_t run_ = 0;
    std::int64_t playedOfRun_ = 0;
    std::int64_t framesPlayed_ = 0;
};
