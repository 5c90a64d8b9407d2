#include "app/ReplayRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TemporaryFolder.h"

namespace {
std::vector<ReplayFrame> framesOf(const Replay& replay)
{
    std::vector<ReplayFrame> frames;
    for (const ReplayRun& run : replay.runs) frames.insert(frames.end(), run.count, run.frame);
    return frames;
}

const ReplayStart start{99, 2, 1.5, {0, 1, 0}, 3, 800, 600, "new"};
const ReplayFrame still{16667, 16667, {}, {}, {}};
const ReplayFrame paused{16667, 0, {{InputEvent::KeyDown, 'p', 0, 0, 0}}, {}, {}};
const ReplayFrame checked{16667, 16667, {}, true, 42};
}  // namespace

TEST(ReplayRecorderTest, AFlushedFileReadsAsTheFramesSoFarAndFinishWritesTheWholeReplay)
{
    TemporaryFolder folder;
    const std::string path = folder.file("last.replay");
    writeFile(path, {'o', 'l', 'd'});
    ReplayRecorder recorder(path, start);
    EXPECT_EQ(parseReplay(readText(path), path), (Replay{start, {}, {}})) << "started afresh";

    std::vector<ReplayFrame> frames = {still, still, paused, still, still};
    for (const auto& frame : frames) recorder.addFrame(frame);
    recorder.flush();
    const std::string first = readText(path);
    EXPECT_EQ(framesOf(parseReplay(first, path)), frames);

    // The open run of `still` goes on after the flush; what is on disk stays as it was.
    for (const auto& frame : {still, still, checked}) {
        recorder.addFrame(frame);
        frames.push_back(frame);
    }
    recorder.flush();
    recorder.flush();
    const std::string second = readText(path);
    EXPECT_EQ(second.substr(0, first.size()), first);
    EXPECT_EQ(framesOf(parseReplay(second, path)), frames);
    EXPECT_FALSE(parseReplay(second, path).end);

    const ReplaySummary summary{8, 120, 3, 0xabc};
    ASSERT_TRUE(recorder.finish(summary));
    const std::vector<ReplayRun> runs = {{still, 2}, {paused, 1}, {still, 4}, {checked, 1}};
    EXPECT_EQ(readReplay(path), (Replay{start, runs, summary})) << "whole runs, not as they were flushed";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";

    // An unwritable folder keeps the game going.
    ReplayRecorder lost(folder.file("missing/last.replay"), start);
    lost.addFrame(still);
    lost.flush();
    EXPECT_FALSE(lost.finish(summary));
    EXPECT_EQ(lost.replay().frameCount(), 1);
}
