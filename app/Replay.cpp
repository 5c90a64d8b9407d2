#include "app/Replay.h"

#include <charconv>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>

#include "scene/GameError.h"

namespace {
constexpr std::int64_t maxStepMicros = 3600LL * 1000 * 1000;
constexpr std::int64_t maxRunLength = 10'000'000;
constexpr std::int64_t maxFrames = 100'000'000;
constexpr int maxWindowSide = 65535;
constexpr int maxKeyCode = 255;
constexpr int maxSpecialOrButton = 1000;
constexpr int maxPointer = 65536;
constexpr int maxPicked = 1'000'000'000;
constexpr int maxLevel = 99;
constexpr int maxMusicPiece = 3;
constexpr std::size_t checksumDigits = 16;
// A hostile line may be megabytes long; a message shows only its start.
constexpr std::size_t shownLength = 24;

const std::string magic = "rubblestorm replay ";

std::string hex(std::uint64_t value)
{
    char digits[checksumDigits + 1];
    std::snprintf(digits, sizeof digits, "%016" PRIx64, value);
    return digits;
}

std::string hexDouble(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

void appendEvent(std::string& out, const InputEvent& event)
{
    static constexpr char letters[] = {'k', 'K', 's', 'S', 'b', 'B', 'm', 'w'};
    out += ' ';
    out += letters[event.kind];
    switch (event.kind) {
        case InputEvent::KeyDown:
        case InputEvent::KeyUp:
        case InputEvent::SpecialDown:
        case InputEvent::SpecialUp:
            out += std::to_string(event.code);
            break;
        case InputEvent::ButtonDown:
        case InputEvent::ButtonUp:
            out += std::to_string(event.code) + ',' + std::to_string(event.x) + ',' + std::to_string(event.y);
            if (event.picked != 0) out += ',' + std::to_string(event.picked);
            break;
        case InputEvent::PointerMove:
        case InputEvent::WindowSize:
            out += std::to_string(event.x) + ',' + std::to_string(event.y);
            break;
    }
}

std::vector<std::string_view> split(std::string_view text, char separator, bool skipEmpty)
{
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t to = text.find(separator, from);
        const std::string_view part = text.substr(from, to == std::string_view::npos ? to : to - from);
        if (!(skipEmpty && part.empty())) parts.push_back(part);
        if (to == std::string_view::npos) return parts;
        from = to + 1;
    }
}

std::string shown(std::string_view text)
{
    return text.size() <= shownLength ? std::string(text) : std::string(text.substr(0, shownLength)) + "...";
}

// Reads the text line by line; every fault ends in one GameError that names the file and line.
class ReplayParser {
public:
    ReplayParser(std::string_view text, const std::string& name) : text_(text), name_(name) {}

    Replay parse()
    {
        checkVersion();
        Replay replay;
        readStart(replay.start);
        std::int64_t frames = 0;
        while (nextLine()) {
            const auto words = split(line_, ' ', true);
            if (!words.empty() && words[0] == "end") {
                replay.end = readEnd(words);
                if (at_ != text_.size()) {
                    ++lineNumber_;
                    fail("nothing may follow the end line");
                }
                break;
            }
            replay.runs.push_back(readRun(words));
            frames += replay.runs.back().count;
            if (frames > maxFrames) fail("the replay has more than " + std::to_string(maxFrames) + " frames");
        }
        return replay;
    }

private:
    // The next line ended by a newline; a last line without one was cut short while being
    // written and is left out.
    bool nextLine()
    {
        const std::size_t end = text_.find('\n', at_);
        if (end == std::string_view::npos) return false;
        line_ = text_.substr(at_, end - at_);
        if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);  // copied through another system
        at_ = end + 1;
        ++lineNumber_;
        return true;
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw GameError("The replay " + name_ + " is damaged at line " + std::to_string(lineNumber_) + ": " + what +
                        ".");
    }

    void checkVersion()
    {
        const std::size_t firstEnd = text_.find('\n');
        std::string_view first = text_.substr(0, firstEnd);
        if (first.ends_with('\r')) first.remove_suffix(1);
        int version = 0;
        const std::string_view digits = first.substr(std::min(first.size(), magic.size()));
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, version);
        if (!first.starts_with(magic) || digits.empty() || error != std::errc() || stop != end || version < 1)
            throw GameError(name_ + " is not a Rubblestorm replay.");
        if (version > Replay::version)
            throw GameError("The replay " + name_ + " comes from a newer version of the game: it has replay version " +
                            std::to_string(version) + ", this game reads replay version " +
                            std::to_string(Replay::version) + ".");
        at_ = firstEnd == std::string_view::npos ? text_.size() : firstEnd + 1;
        lineNumber_ = 1;
    }

    // The values of the next header line, which must be `keyword` and `count` values.
    std::vector<std::string_view> header(std::string_view keyword, std::size_t count, std::string_view form)
    {
        if (!nextLine()) {
            ++lineNumber_;
            fail("the file ends before \"" + std::string(form) + "\"");
        }
        auto words = split(line_, ' ', true);
        if (words.empty() || words[0] != keyword || words.size() != count + 1)
            fail("expected \"" + std::string(form) + "\" but found \"" + shown(line_) + "\"");
        words.erase(words.begin());
        return words;
    }

    void readStart(ReplayStart& start)
    {
        start.seed = static_cast<std::uint32_t>(number(header("seed", 1, "seed <number>")[0], 0, UINT32_MAX, "seed"));
        start.level = static_cast<int>(number(header("level", 1, "level <number>")[0], 0, maxLevel, "level"));
        const auto sky = header("sky", 4, "sky <angle> <axis x> <axis y> <axis z>");
        start.skyAngle = finite(sky[0]);
        for (int i = 0; i < 3; ++i) start.skyAxis[i] = finite(sky[i + 1]);
        start.musicPiece =
            static_cast<int>(number(header("music", 1, "music <piece>")[0], 1, maxMusicPiece, "music piece"));
        const auto window = header("window", 2, "window <width> <height>");
        start.windowWidth = static_cast<int>(number(window[0], 1, maxWindowSide, "window width"));
        start.windowHeight = static_cast<int>(number(window[1], 1, maxWindowSide, "window height"));
        const std::string_view word = header("start", 1, "start <word>")[0];
        for (char c : word)
            if (c < 'a' || c > 'z') fail("the start \"" + shown(word) + "\" is not a word of small letters");
        start.start = word;
        header("frames", 0, "frames");
    }

    ReplaySummary readEnd(const std::vector<std::string_view>& words)
    {
        if (words.size() != 5) fail("expected \"end <frames> <score> <rocks left> <checksum>\"");
        ReplaySummary summary;
        summary.frames = number(words[1], 0, maxFrames, "frame count of the end line");
        summary.score = static_cast<int>(number(words[2], INT_MIN, INT_MAX, "score"));
        summary.rocksLeft = static_cast<int>(number(words[3], 0, INT_MAX, "number of rocks left"));
        summary.checksum = checksum(words[4]);
        return summary;
    }

    // "[count*]real[/game]" and the frame's tokens.
    ReplayRun readRun(const std::vector<std::string_view>& words)
    {
        if (words.empty()) fail("a frame line is empty");
        ReplayRun run;
        std::string_view step = words[0];
        if (const std::size_t star = step.find('*'); star != std::string_view::npos) {
            run.count = number(step.substr(0, star), 1, maxRunLength, "run length");
            step.remove_prefix(star + 1);
        }
        ReplayFrame& frame = run.frame;
        const std::size_t slash = step.find('/');
        frame.realMicros = number(step.substr(0, slash), 0, maxStepMicros, "real time step");
        frame.gameMicros = slash == std::string_view::npos
                               ? frame.realMicros
                               : number(step.substr(slash + 1), 0, frame.realMicros, "game time step");
        for (std::size_t i = 1; i < words.size(); ++i) readToken(words[i], frame);
        return run;
    }

    void readToken(std::string_view token, ReplayFrame& frame)
    {
        const std::string_view rest = token.substr(1);
        switch (token[0]) {
            case 'q':
                if (frame.qualified) fail("a frame says twice whether the score qualified");
                if (rest != "0" && rest != "1") fail("\"" + shown(token) + "\" is neither q0 nor q1");
                frame.qualified = rest == "1";
                return;
            case 'c':
                if (frame.checksum) fail("a frame has two checksums");
                frame.checksum = checksum(rest);
                return;
            case 'k':
            case 'K':
                return key(token, token[0] == 'k' ? InputEvent::KeyDown : InputEvent::KeyUp, maxKeyCode, frame);
            case 's':
            case 'S':
                return key(token, token[0] == 's' ? InputEvent::SpecialDown : InputEvent::SpecialUp, maxSpecialOrButton,
                           frame);
            case 'b':
            case 'B': {
                const auto values = split(rest, ',', false);
                if (values.size() != 3 && values.size() != 4)
                    fail("\"" + shown(token) + "\" is not a button with its position and perhaps a rock");
                InputEvent event{token[0] == 'b' ? InputEvent::ButtonDown : InputEvent::ButtonUp};
                event.code = static_cast<int>(number(values[0], 0, maxSpecialOrButton, "button"));
                event.x = static_cast<int>(number(values[1], -maxPointer, maxPointer, "pointer x"));
                event.y = static_cast<int>(number(values[2], -maxPointer, maxPointer, "pointer y"));
                if (values.size() == 4) event.picked = static_cast<int>(number(values[3], 0, maxPicked, "rock number"));
                frame.events.push_back(event);
                return;
            }
            case 'm':
            case 'w': {
                const auto values = split(rest, ',', false);
                if (values.size() != 2) fail("\"" + shown(token) + "\" does not have two numbers");
                const bool move = token[0] == 'm';
                InputEvent event{move ? InputEvent::PointerMove : InputEvent::WindowSize};
                const int low = move ? -maxPointer : 1;
                const int high = move ? maxPointer : maxWindowSide;
                event.x = static_cast<int>(number(values[0], low, high, move ? "pointer x" : "window width"));
                event.y = static_cast<int>(number(values[1], low, high, move ? "pointer y" : "window height"));
                frame.events.push_back(event);
                return;
            }
            default:
                fail("\"" + shown(token) + "\" is not a frame entry");
        }
    }

    void key(std::string_view token, InputEvent::Kind kind, int maxCode, ReplayFrame& frame)
    {
        InputEvent event{kind};
        event.code = static_cast<int>(number(token.substr(1), 0, maxCode, "key code"));
        frame.events.push_back(event);
    }

    std::int64_t number(std::string_view digits, std::int64_t low, std::int64_t high, const char* what) const
    {
        std::int64_t value = 0;
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, value);
        if (digits.empty() || error != std::errc() || stop != end || value < low || value > high)
            fail("the " + std::string(what) + " \"" + shown(digits) + "\" is not a number from " + std::to_string(low) +
                 " to " + std::to_string(high));
        return value;
    }

    double finite(std::string_view word) const
    {
        const std::string copy(word);  // strtod needs the terminating zero
        char* stop = nullptr;
        const double value = std::strtod(copy.c_str(), &stop);
        if (copy.empty() || std::isspace(static_cast<unsigned char>(copy[0])) || stop != copy.c_str() + copy.size() ||
            !std::isfinite(value))
            fail("the sky value \"" + shown(word) + "\" is not a finite number");
        return value;
    }

    std::uint64_t checksum(std::string_view digits) const
    {
        std::uint64_t value = 0;
        const bool lowerHex =
            digits.size() == checksumDigits && digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
        if (!lowerHex) fail("the checksum \"" + shown(digits) + "\" is not 16 hexadecimal digits");
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        return value;
    }

    std::string_view text_;
    const std::string& name_;
    std::size_t at_ = 0;
    int lineNumber_ = 0;
    std::string_view line_;
};
}  // namespace

std::int64_t Replay::frameCount() const
{
    std::int64_t frames = 0;
    for (const ReplayRun& run : runs) frames += run.count;
    return frames;
}

std::string replayLine(const ReplayRun& run)
{
    std::string line;
    const ReplayFrame& frame = run.frame;
    if (run.count != 1) line += std::to_string(run.count) + '*';
    line += std::to_string(frame.realMicros);
    if (frame.gameMicros != frame.realMicros) line += '/' + std::to_string(frame.gameMicros);
    for (const InputEvent& event : frame.events) appendEvent(line, event);
    if (frame.qualified) line += *frame.qualified ? " q1" : " q0";
    if (frame.checksum) line += " c" + hex(*frame.checksum);
    return line + '\n';
}

std::string replayText(const Replay& replay)
{
    const ReplayStart& start = replay.start;
    std::string text = magic + std::to_string(Replay::version) + "\nseed " + std::to_string(start.seed) + "\nlevel " +
                       std::to_string(start.level) + "\nsky " + hexDouble(start.skyAngle);
    for (double axis : start.skyAxis) text += ' ' + hexDouble(axis);
    text += "\nmusic " + std::to_string(start.musicPiece) + "\nwindow " + std::to_string(start.windowWidth) + ' ' +
            std::to_string(start.windowHeight) + "\nstart " + start.start + "\nframes\n";
    for (const ReplayRun& run : replay.runs) text += replayLine(run);
    if (const auto& end = replay.end)
        text += "end " + std::to_string(end->frames) + ' ' + std::to_string(end->score) + ' ' +
                std::to_string(end->rocksLeft) + ' ' + hex(end->checksum) + '\n';
    return text;
}

Replay parseReplay(const std::string& text, const std::string& name) { return ReplayParser(text, name).parse(); }

Replay readReplay(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw GameError("The replay file " + path + " cannot be opened.");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return parseReplay(text, path);
}

std::string summaryLine(const ReplaySummary& summary)
{
    return "replay: " + std::to_string(summary.frames) + " frames, score " + std::to_string(summary.score) +
           ", rocks left " + std::to_string(summary.rocksLeft) + ", checksum " + hex(summary.checksum);
}
