// Fuzzes the highscore table with arbitrary files. Whatever the file holds, the table loads
// sorted lists of at most ten named entries, keeps an exact copy of a file it could not read
// to its end, and leaves a file behind that reads back the same table without being copied
// aside again. A new entry, named by the file's first line whatever it holds, reads back too.
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/HighscoreTable.h"
#include "tests/fuzz/FuzzInput.h"

namespace {
constexpr int levels = 3;
const std::string fileName = "highscores.dat";
using Entry = std::pair<int, std::string>;
using Lists = std::vector<std::vector<Entry>>;

// The lists of a copy of the table (which reads the file if the table has not yet).
Lists listsOf(HighscoreTable table)
{
    Lists lists(levels);
    for (int level = 0; level < levels; ++level)
        for (const HighscoreEntry& entry : table.entries(level)) lists[level].emplace_back(entry.score, entry.name);
    return lists;
}

std::vector<std::string> copiesAside()
{
    std::vector<std::string> copies;
    for (const auto& entry : std::filesystem::directory_iterator(FuzzInput::scratchFolder()))
        if (entry.path().filename().string().starts_with(fileName + ".")) copies.push_back(entry.path().string());
    return copies;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const std::string& copy : copiesAside()) std::filesystem::remove(copy);
    const std::string path = FuzzInput::write(fileName, data, size);

    const Lists loaded = listsOf({path, levels});
    for (const auto& list : loaded) {
        expect(list.size() <= HighscoreTable::maxEntries, "at most ten entries a level");
        expect(std::is_sorted(list.begin(), list.end(), [](auto& a, auto& b) { return a.first > b.first; }),
               "best first");
        for (const auto& entry : list) expect(!entry.second.empty(), "every entry has a name");
    }
    const std::vector<std::string> copies = copiesAside();
    expect(copies.size() <= 1, "at most one copy aside");
    if (copies.size() == 1)
        expect(readFile(copies[0]) == std::vector<unsigned char>(data, data + size),
               "the copy aside is the file as it was");
    expect(listsOf({path, levels}) == loaded, "the file left behind reads back the same table");
    expect(copiesAside().size() == copies.size(), "the file left behind reads to its end");

    HighscoreTable table(path, levels);
    const int level = static_cast<int>(size % levels);
    constexpr int score = 1'000'000;
    if (!table.qualifies(level, score)) return 0;
    const std::string content(reinterpret_cast<const char*>(data), size);
    const auto scored = [&](const Lists& lists) { return std::ranges::count(lists[level], score, &Entry::first); };
    const auto before = scored(listsOf(table));
    table.add(level, score, content.substr(0, content.find('\n')));
    const Lists withEntry = listsOf(table);
    expect(scored(withEntry) == before + 1, "the new entry is in its level");
    expect(listsOf({path, levels}) == withEntry, "a new entry reads back, whatever its name");
    expect(copiesAside().size() == copies.size(), "a new entry keeps the file readable");
    return 0;
}
