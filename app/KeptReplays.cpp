#include "app/KeptReplays.h"

#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

KeptReplays::KeptReplays(std::string folder, std::size_t tableSize) : folder_(std::move(folder)), tableSize_(tableSize)
{
}

bool KeptReplays::keep(const std::string& levelName, int rank, const std::string& replayFile)
{
    if (rank < 1 || static_cast<std::size_t>(rank) > tableSize_) return false;
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return false;
    const int last = static_cast<int>(tableSize_);
    bool done = true;
    fs::remove(pathOf(levelName, last), error);
    done = done && !error;
    // From the bottom up, so that each move lands on a place already vacated; a gap leaves the
    // place below it vacated, and so stays a gap one further down.
    for (int from = last - 1; from >= rank; --from) {
        const std::string source = pathOf(levelName, from);
        if (!fs::exists(source, error)) continue;
        fs::rename(source, pathOf(levelName, from + 1), error);
        done = done && !error;
    }
    fs::copy_file(replayFile, pathOf(levelName, rank), fs::copy_options::overwrite_existing, error);
    return done && !error;
}

std::string KeptReplays::pathOf(const std::string& levelName, int rank) const
{
    std::string level = levelName;
    for (char& c : level) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (fs::path(folder_) / (level + "-" + std::to_string(rank) + ".replay")).string();
}
