#pragma once
// Replay: everything a game's course depends on, so that it can be played again exactly: how
// it started, then for each frame its real and game time steps in microseconds and the input
// that arrived in it, a world checksum now and then, and how it ended.
//
// The file is text. A version line, the start, "frames", one line per frame (a run of equal
// frames is one line with a count), and "end" with the summary; a file cut short (a crash)
// has no end line and still plays up to its last whole line:
//
//     rubblestorm replay 1
//     seed 3141592653
//     level 2
//     sky 0x1.68p+6 0x1.p-1 -0x1.8p-2 0x1.p-3      (angle and axis as exact hexadecimal doubles)
//     music 2
//     window 1280 720
//     start new                                     (or a bench-only start, such as "battle")
//     frames
//     16667 m640,360                                (game step equal to the real step)
//     16667/0 k112                                  (real/game: paused by P)
//     12*16667                                      (twelve equal frames)
//     16667 b2,640,360,17 c0123456789abcdef         (right button on rock 17; checksum)
//     16667 k27 q1                                  (ESC; the score qualified for the table)
//     end 5000 1234 7 0123456789abcdef              (frames, score, rocks left, checksum)
//
// Frame tokens: k/K key down/up, s/S special key down/up, b/B button down/up (button, x, y,
// and the picked rock when not 0), m pointer move (x, y), w window size (width, height),
// q0/q1 whether the score qualified, c the world checksum after the frame (16 hex digits).
//
// The reader throws GameError with a message a player can act on for a missing, damaged or
// newer file; it never allocates more than the file's own size suggests (runs stay runs).
// Depends on: InputEvent, GameError, the standard library.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/InputEvent.h"

struct ReplayStart {
    std::uint32_t seed = 0;
    int level = 0;  // index into levelNames()
    double skyAngle = 0.0;
    double skyAxis[3] = {0.0, 0.0, 1.0};
    int musicPiece = 1;
    int windowWidth = 0;
    int windowHeight = 0;
    std::string start = "new";

    bool operator==(const ReplayStart&) const = default;
};

struct ReplayFrame {
    std::int64_t realMicros = 0;
    std::int64_t gameMicros = 0;
    std::vector<InputEvent> events;
    std::optional<bool> qualified;
    std::optional<std::uint64_t> checksum;

    bool operator==(const ReplayFrame&) const = default;
};

// `count` equal frames in a row.
struct ReplayRun {
    ReplayFrame frame;
    std::int64_t count = 1;

    bool operator==(const ReplayRun&) const = default;
};

struct ReplaySummary {
    std::int64_t frames = 0;
    int score = 0;
    int rocksLeft = 0;
    std::uint64_t checksum = 0;

    bool operator==(const ReplaySummary&) const = default;
};

struct Replay {
    static constexpr int version = 1;

    ReplayStart start;
    std::vector<ReplayRun> runs;
    std::optional<ReplaySummary> end;  // none in a file cut short

    std::int64_t frameCount() const;
    bool operator==(const Replay&) const = default;
};

// The file's text, as a whole.
std::string replayText(const Replay& replay);
// One frame line of the file with its newline, for writers that append a run at a time.
std::string replayLine(const ReplayRun& run);
// Parses a replay file's text; `name` names it in messages.
Replay parseReplay(const std::string& text, const std::string& name);
// Reads a replay file; throws GameError when it is missing, damaged or from a newer game.
Replay readReplay(const std::string& path);
// The summary line that --fast prints and tests compare.
std::string summaryLine(const ReplaySummary& summary);
