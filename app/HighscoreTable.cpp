#include "app/HighscoreTable.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "scene/Platform.h"

namespace {
constexpr std::size_t maxNameLength = 99;  // longer lines end the reading of a file
const std::string unknownName = "unknown";

bool readFile(const std::string& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = buffer.str();
    return true;
}

// The name as it reads back from the file: an empty line would end its level, a line break
// would split it and a longer line would end the reading of the whole file.
std::string storableName(const std::string& name)
{
    std::string line = name.substr(0, name.find_first_of("\r\n"));
    if (line.size() > maxNameLength) line.resize(maxNameLength);
    return line.empty() ? unknownName : line;
}

bool onlyWhitespaceLeft(std::istream& in)
{
    char c;
    while (in.get(c)) {
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    }
    return true;
}
}  // namespace

HighscoreTable::HighscoreTable(std::string path, std::size_t levelCount)
    : path_(std::move(path)), levelCount_(levelCount)
{
}

bool HighscoreTable::qualifies(int level, int score)
{
    loadOnce();
    if (score <= 0 || !validLevel(level)) return false;
    const auto& list = levels_[level];
    return list.size() < maxEntries || score > list.back().score;
}

int HighscoreTable::add(int level, int score, const std::string& name)
{
    loadOnce();
    if (!validLevel(level)) return 0;
    const int rank = insert(level, {score, storableName(name)});
    save();
    return rank;
}

const std::vector<HighscoreEntry>& HighscoreTable::entries(int level)
{
    loadOnce();
    static const std::vector<HighscoreEntry> none;
    return validLevel(level) ? levels_[level] : none;
}

void HighscoreTable::loadOnce()
{
    if (loaded_) return;
    loaded_ = true;
    levels_.assign(levelCount_, {});
    std::string content;
    if (!readFile(path_, content)) return;
    std::vector<std::pair<int, HighscoreEntry>> read;
    const bool complete = parse(content, read);
    for (auto& [level, entry] : read) insert(level, std::move(entry));
    // Back in its normal form. A damaged file is replaced only once its copy is safe, and then
    // even when nothing of it was readable: left in place it would be copied again at every start.
    if (complete ? !read.empty() : keepDamagedCopy(content)) save();
}

bool HighscoreTable::parse(const std::string& content, std::vector<std::pair<int, HighscoreEntry>>& read) const
{
    std::istringstream in(content);
    for (std::size_t level = 0; level < levelCount_; ++level) {
        for (;;) {
            std::string name;
            if (!std::getline(in, name)) return true;  // the file ends: nothing is left unread
            // Written on another system, perhaps converted twice; a '\r' left at the end would
            // not survive the next save and load.
            while (!name.empty() && name.back() == '\r') name.pop_back();
            if (name.size() > maxNameLength) return false;
            if (name.empty()) break;  // the end of this level
            int score = 0;
            if (!(in >> score)) return false;
            read.push_back({static_cast<int>(level), {score, name}});
            char next = 0;
            if (!in.get(next) || (next == '\r' && !in.get(next))) return true;
            if (next != '\n') return false;
        }
    }
    return onlyWhitespaceLeft(in);  // anything after the last level would be lost
}

bool HighscoreTable::keepDamagedCopy(const std::string& content) const
{
    std::string copy = path_ + ".damaged";
    for (int n = 1; std::filesystem::exists(copy); ++n) copy = path_ + ".damaged." + std::to_string(n);
    std::ofstream out(copy, std::ios::binary);
    out << content;
    if (!out.flush()) return false;
    const std::string message = "The highscore file " + path_ + " could not be read to its end; it is kept as " + copy;
    std::fprintf(stderr, "%s\n", message.c_str());
    Platform::get().showInWindow("Error", message);
    return true;
}

int HighscoreTable::insert(int level, HighscoreEntry entry)
{
    auto& list = levels_[level];
    auto at = list.begin();
    while (at != list.end() && at->score >= entry.score) ++at;  // equal scores: the earlier stays first
    const auto index = static_cast<std::size_t>(at - list.begin());
    list.insert(at, std::move(entry));
    if (list.size() > maxEntries) list.pop_back();
    return index < maxEntries ? static_cast<int>(index) + 1 : 0;
}

void HighscoreTable::save() const
{
    // A crash or a full disk halfway must not leave a damaged file: write a new one, then
    // replace the old one in one step.
    const std::string fresh = path_ + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        for (const auto& list : levels_) {
            for (const auto& entry : list) out << entry.name << '\n' << entry.score << '\n';
            out << '\n';
        }
        out.flush();
        if (!out) {
            std::remove(fresh.c_str());
            return;
        }
    }
    std::error_code error;
    std::filesystem::rename(fresh, path_, error);
    if (error) std::remove(fresh.c_str());
}
