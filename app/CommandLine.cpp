#include "app/CommandLine.h"

#include <charconv>

namespace {
// GLUT takes these from the command line itself (glutInit); they are not ours to warn about.
bool isGlutOption(const std::string& argument)
{
    return argument == "-iconic" || argument == "-direct" || argument == "-indirect" || argument == "-gldebug" ||
           argument == "-sync";
}
bool isGlutOptionWithValue(const std::string& argument) { return argument == "-display" || argument == "-geometry"; }

std::optional<std::uint32_t> seedOf(const std::string& text)
{
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
}
}  // namespace

CommandLine CommandLine::parse(int argc, char** argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] != nullptr ? argv[i] : "";
        const bool hasValue = i + 1 < argc && argv[i + 1] != nullptr;
        if (argument == "-d") {
            line.windowToggle = true;
        } else if (argument == "-h" || argument == "--help") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--fast") {
            line.fast = true;
        } else if (argument == "--play" && hasValue) {
            line.replay = argv[++i];
        } else if (argument == "--seed" && hasValue && seedOf(argv[i + 1])) {
            line.seed = seedOf(argv[++i]);
        } else if (isGlutOptionWithValue(argument) && hasValue) {
            ++i;
        } else if (isGlutOption(argument)) {
        } else {
            line.unknown.push_back(argument);
        }
    }
    return line;
}
