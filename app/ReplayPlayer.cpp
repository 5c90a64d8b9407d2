#include "app/ReplayPlayer.h"

#include <utility>

ReplayPlayer::ReplayPlayer(Replay replay, bool fast) : replay_(std::move(replay)), fast_(fast) {}

const ReplayFrame* ReplayPlayer::next(std::int64_t wallMicros)
{
    if (paused_ || isFinished()) return nullptr;
    if (!started_) {
        started_ = true;
        startWall_ = wallMicros;
    }
    const ReplayRun& run = replay_.runs[run_];
    const std::int64_t due = recordedMicros_ + run.frame.realMicros;
    if (!fast_ && wallMicros - startWall_ < due) return nullptr;
    recordedMicros_ = due;
    ++framesPlayed_;
    if (++playedOfRun_ == run.count) {
        ++run_;
        playedOfRun_ = 0;
    }
    return &run.frame;
}

void ReplayPlayer::setPaused(bool paused, std::int64_t wallMicros)
{
    if (paused == paused_) return;
    paused_ = paused;
    if (paused)
        pausedAt_ = wallMicros;
    else
        startWall_ += wallMicros - pausedAt_;
}
