#include "app/ReplayRecorder.h"

#include <cstdio>
#include <filesystem>

ReplayRecorder::ReplayRecorder(std::string path, const ReplayStart& start)
    : path_(std::move(path)), out_(path_, std::ios::binary | std::ios::trunc)
{
    replay_.start = start;
    out_ << replayText(replay_);
    out_.flush();
}

void ReplayRecorder::addFrame(const ReplayFrame& frame)
{
    if (!replay_.runs.empty() && replay_.runs.back().frame == frame)
        ++replay_.runs.back().count;
    else
        replay_.runs.push_back({frame, 1});
}

void ReplayRecorder::flush()
{
    for (std::size_t i = writtenRuns_; i < replay_.runs.size(); ++i) {
        ReplayRun rest = replay_.runs[i];
        if (i == writtenRuns_) rest.count -= writtenOfRun_;
        if (rest.count > 0) out_ << replayLine(rest);
    }
    out_.flush();
    if (replay_.runs.empty()) return;
    writtenRuns_ = replay_.runs.size() - 1;
    writtenOfRun_ = replay_.runs.back().count;
}

bool ReplayRecorder::finish(const ReplaySummary& summary)
{
    // Should the complete file fail, the one growing on disk still has the game so far.
    flush();
    replay_.end = summary;
    const std::string fresh = path_ + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << replayText(replay_);
        out.flush();
        if (!out) {
            std::remove(fresh.c_str());
            return false;
        }
    }
    out_.close();
    std::error_code error;
    std::filesystem::rename(fresh, path_, error);
    if (error) std::remove(fresh.c_str());
    return !error;
}
