// Everything the game plays can be captured to a WAV file through OpenAL Soft's wave backend.
// This test runs a copy of its own executable as a stand-in for the game, in the environment a
// tester would give the game, and listens to the file it leaves.
#include "sound/GameSounds.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {
constexpr const char* standInVariable = "RUBBLESTORM_SOUND_STAND_IN";

// The stand-in does what the game does: its sounds are built (here before main), one plays, and
// the process ends through exit(0) as the game's exit command ends it. The wave backend writes
// in real time, so the sound must be given the time to play.
[[maybe_unused]] const bool standInRan = [] {
    if (std::getenv(standInVariable) == nullptr) return false;
    selectSample().play();
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    std::exit(0);
}();

// Runs the stand-in with OpenAL Soft's configuration file `configFile`; its exit status.
int runStandIn(const std::string& configFile)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        // The tests' own choice of the null backend would win over the configuration file.
        if (std::strncmp(*variable, "ALSOFT_", 7) != 0) variables.emplace_back(*variable);
    }
    variables.push_back("ALSOFT_CONF=" + configFile);
    variables.push_back(std::string(standInVariable) + "=1");
    std::vector<char*> pointers;
    for (std::string& variable : variables) pointers.push_back(variable.data());
    pointers.push_back(nullptr);
    char program[] = "/proc/self/exe";
    char* arguments[] = {program, nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program, nullptr, nullptr, arguments, pointers.data()) != 0) return -1;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

TEST(WaveCaptureTest, WhatTheGamePlaysLandsInAFinishedWaveFile)
{
    TemporarySoundFolder folder;
    folder.writeTone("select.wav", 660, 0.3);
    const std::string capture = (folder.root() / "out.wav").string();
    const std::string config = (folder.root() / "wave.conf").string();
    std::ofstream(config) << "[general]\ndrivers = wave\nsample-type = int16\n[wave]\nfile = " << capture << "\n";

    ASSERT_EQ(runStandIn(config), 0);

    // The RIFF size (little-endian, as on the machines the game runs on) is written on close.
    std::uint32_t riffSize = 0;
    std::ifstream(capture, std::ios::binary).seekg(4).read(reinterpret_cast<char*>(&riffSize), 4);
    EXPECT_EQ(riffSize + 8u, std::filesystem::file_size(capture)) << "the device was not closed at exit";
    SF_INFO info{};
    SNDFILE* file = sf_open(capture.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr) << "no capture file";
    EXPECT_EQ(info.samplerate, 44100);
    ASSERT_EQ(info.channels, 2);
    std::vector<short> frames(static_cast<std::size_t>(info.frames) * 2);
    sf_readf_short(file, frames.data(), info.frames);
    sf_close(file);

    // The sound starts shortly after the device opens; find it, then listen to its middle.
    std::size_t start = 0;
    while (start < frames.size() / 2 && std::abs(frames[2 * start]) < 1000) ++start;
    ASSERT_LT(start + 44100 * 3 / 10, frames.size() / 2) << "the sound is missing or cut short";
    short loudest = 0;
    for (std::size_t i = start + 2205; i < start + 11025; ++i) loudest = std::max(loudest, frames[2 * i]);
    EXPECT_NEAR(loudest / 32768.0, 0.5 * 128 / 255, 0.005) << "Select plays at 127.5 of 255";
}
