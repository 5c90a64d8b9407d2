#include "app/Replay.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/Expect.h"
#include "tests/support/TemporaryFolder.h"

namespace {
const std::string header =
    "rubblestorm replay 1\nseed 7\nlevel 1\nsky 0x1p+0 0x0p+0 0x0p+0 0x1p+0\nmusic 2\nwindow 640 480\nstart new\n"
    "frames\n";

Replay everyKind()
{
    using E = InputEvent;
    Replay replay;
    replay.start = {4294967295u, 3,    90.25, {0.5, -0.375, std::numeric_limits<double>::denorm_min()},
                    3,           1280, 720,   "battle"};
    replay.runs = {
        {{16667, 16667, {{E::PointerMove, 0, 640, 360}}}, 1},
        {{16667, 0, {{E::KeyDown, 112}, {E::KeyUp, 112}}}, 1},
        {{16667, 16667}, 12},
        {{20000,
          8000,
          {{E::SpecialDown, 101},
           {E::SpecialUp, 101},
           {E::ButtonDown, 2, 640, 360, 17},
           {E::ButtonUp, 0, -5, 65536},
           {E::WindowSize, 0, 800, 600}},
          {},
          0x0123456789abcdefu},
         1},
        {{16667, 16667, {{E::KeyDown, 27}}, true}, 3},
        {{16667, 16667, {}, false, 0}, 1},
    };
    replay.end = ReplaySummary{5000, 1234, 7, 0xfedcba9876543210u};
    return replay;
}

const std::string everyKindText =
    "rubblestorm replay 1\nseed 4294967295\nlevel 3\nsky 0x1.69p+6 0x1p-1 -0x1.8p-2 0x0.0000000000001p-1022\n"
    "music 3\nwindow 1280 720\nstart battle\nframes\n"
    "16667 m640,360\n"
    "16667/0 k112 K112\n"
    "12*16667\n"
    "20000/8000 s101 S101 b2,640,360,17 B0,-5,65536 w800,600 c0123456789abcdef\n"
    "3*16667 k27 q1\n"
    "16667 q0 c0000000000000000\n"
    "end 5000 1234 7 fedcba9876543210\n";

std::string errorOf(const std::string& text) { return GAME_ERROR_OF(parseReplay(text, "x.replay")); }
}  // namespace

TEST(ReplayTest, EveryTokenKindWritesAndReadsExactly)
{
    EXPECT_EQ(replayText(everyKind()), everyKindText);
    EXPECT_EQ(everyKind().frameCount(), 19);
    TemporaryFolder folder;
    const std::string path = folder.file("game.replay");
    EXPECT_EQ(GAME_ERROR_OF(readReplay(path)), "The replay file " + path + " cannot be opened.");
    writeFile(path, {everyKindText.begin(), everyKindText.end()});
    EXPECT_EQ(readReplay(path), everyKind());
}

TEST(ReplayTest, TextsReadBackInTheirWrittenForm)
{
    const struct {
        std::string text, written;
    } cases[] = {
        {header + "10000000*3600000000/3600000000 k255 K0 s1000 S0 b1000,-65536,65536,1000000000 m-65536,65536 "
                  "w65535,1 q0\n",
         header + "10000000*3600000000 k255 K0 s1000 S0 b1000,-65536,65536,1000000000 m-65536,65536 w65535,1 q0\n"},
        {header + "1*5 b1,2,3,0\n", header + "5 b1,2,3\n"},  // a run of one and no rock are implicit
        {header + "5/5  k1\r\n", header + "5 k1\n"},
        {header + "7 cffffffffffffffff q1 k3\n", header + "7 k3 q1 cffffffffffffffff\n"},
        {"rubblestorm replay 1\nseed 0\nlevel 99\nsky 90.25 -0 1e-3 0x1.8p1\nmusic 1\nwindow 65535 1\nstart "
         "a\nframes\n",
         "rubblestorm replay 1\nseed 0\nlevel 99\nsky 0x1.69p+6 -0x0p+0 0x1.0624dd2f1a9fcp-10 0x1.8p+1\nmusic 1\n"
         "window 65535 1\nstart a\nframes\n"},
        // A file cut short while being written: its last line without a newline is left out.
        {header + "5 k1\n6 k", header + "5 k1\n"},
        {header + "5\nend 1 2 3 00", header + "5\n"},
    };
    for (const auto& [text, written] : cases) {
        const Replay replay = parseReplay(text, "x.replay");
        EXPECT_EQ(replayText(replay), written) << text;
        EXPECT_EQ(parseReplay(written, "x.replay"), replay) << text;
    }
}

TEST(ReplayTest, DamagedTextsSayWhereAndWhat)
{
    auto start = [](const std::string& lines) { return "rubblestorm replay 1\n" + lines; };
    const std::string manyFrames = [] {
        std::string text = header;
        for (int i = 0; i < 11; ++i) text += "10000000*1\n";
        return text;
    }();
    const struct {
        std::string text, message;
    } cases[] = {
        {"", "x.replay is not a Rubblestorm replay."},
        {"rubblestorm replay 0\n", "not a Rubblestorm replay"},
        {"rubblestorm replay 2\nanything", "it has replay version 2, this game reads replay version 1."},
        {"rubblestorm replay 1", "The replay x.replay is damaged at line 2: the file ends before \"seed <number>\"."},
        {start("level 2\n"), "line 2: expected \"seed <number>\" but found \"level 2\""},
        {start("seed 4294967296\n"), "line 2: the seed \"4294967296\" is not a number from 0 to 4294967295"},
        {start("seed 1\nlevel 1\nsky 1 0 0 inf\n"), "line 4: the sky value \"inf\" is not a finite number"},
        {start("seed 1\nlevel 1\nsky 1 0 0\n"), "expected \"sky <angle> <axis x> <axis y> <axis z>\""},
        {start("seed 1\nlevel 1\nsky 1 0 0 1\nmusic 0\n"), "the music piece \"0\" is not a number from 1 to 3"},
        {start("seed 1\nlevel 1\nsky 1 0 0 1\nmusic 1\nwindow 5 5\nstart New\n"),
         "line 7: the start \"New\" is not a word of small letters"},
        {start("seed 1\nlevel 1\nsky 1 0 0 1\nmusic 1\nwindow 5 5\nstart new\n5\n"), "line 8: expected \"frames\""},
        {header + "\n", "line 9: a frame line is empty"},
        {header + "5\n5 k256\n", "line 10: the key code \"256\" is not a number from 0 to 255"},
        {header + "5 k\n", "the key code \"\""},
        {header + "5 s1001\n", "the key code \"1001\" is not a number from 0 to 1000"},
        {header + "5 B1,65537,0\n", "the pointer x \"65537\" is not a number from -65536 to 65536"},
        {header + "5 b1,0,0,1000000001\n", "the rock number \"1000000001\""},
        {header + "5 b1,0\n", "\"b1,0\" is not a button with its position"},
        {header + "5 m1,2,3\n", "\"m1,2,3\" does not have two numbers"},
        {header + "5 q2\n", "\"q2\" is neither q0 nor q1"},
        {header + "5 q1 q1\n", "a frame says twice whether the score qualified"},
        {header + "5 c0123\n", "the checksum \"0123\" is not 16 hexadecimal digits"},
        {header + "5 c0000000000000000 c0000000000000000\n", "a frame has two checksums"},
        {header + "5 x1\n", "\"x1\" is not a frame entry"},
        {header + "3600000001\n", "the real time step \"3600000001\" is not a number from 0 to 3600000000"},
        {header + "5/6\n", "the game time step \"6\" is not a number from 0 to 5"},
        {header + "0*5\n", "the run length \"0\" is not a number from 1 to 10000000"},
        {header + "2*3*5\n", "the real time step \"3*5\""},
        {manyFrames, "line 19: the replay has more than 100000000 frames"},
        {header + "end 1 2 3\n", "line 9: expected \"end <frames> <score> <rocks left> <checksum>\""},
        {header + "end 1 2 -1 0000000000000000\n", "the number of rocks left \"-1\""},
        {header + "end 1 2 3 0000000000000000\n\n", "line 10: nothing may follow the end line"},
    };
    for (const auto& [text, message] : cases) EXPECT_NE(errorOf(text).find(message), std::string::npos) << text;
}
