// Fuzzes the highscore table with arbitrary files. Whatever the file holds, the table loads
// sorted lists of at most ten named entries, keeps an exact copy of a file it could not read
// to its end, and leaves a file behind that reads back the same table without being copied
// aside again. A new entry, named by the file's first line whatever it holds, reads back too.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/HighscoreTable.h"
#include "tests/fuzz/FuzzInput.h"

namespace {
constexpr std::size_t levels = 3;
const std::string fileName = "highscores.dat";

std::string contentOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> damagedCopies()
{
    std::vector<std::string> copies;
    for (const auto& entry : std::filesystem::directory_iterator(FuzzInput::scratchFolder()))
        if (entry.path().filename().string().starts_with(fileName + ".")) copies.push_back(entry.path().string());
    return copies;
}

std::vector<std::vector<HighscoreEntry>> tableOf(HighscoreTable& table)
{
    std::vector<std::vector<HighscoreEntry>> lists;
    for (std::size_t level = 0; level < levels; ++level) lists.push_back(table.entries(static_cast<int>(level)));
    return lists;
}

bool same(const std::vector<std::vector<HighscoreEntry>>& a, const std::vector<std::vector<HighscoreEntry>>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const HighscoreEntry& e, const HighscoreEntry& f) {
            return e.score == f.score && e.name == f.name;
        });
    });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using FuzzInput::expect;
    for (const std::string& copy : damagedCopies()) std::filesystem::remove(copy);
    const std::string path = FuzzInput::write(fileName, data, size);
    const std::string content(reinterpret_cast<const char*>(data), size);

    HighscoreTable table(path, levels);
    const auto loaded = tableOf(table);
    for (const auto& list : loaded) {
        expect(list.size() <= HighscoreTable::maxEntries, "at most ten entries a level");
        expect(std::is_sorted(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.score > b.score; }),
               "best first");
        for (const auto& entry : list) expect(!entry.name.empty(), "every entry has a name");
    }
    const std::vector<std::string> copies = damagedCopies();
    expect(copies.size() <= 1, "at most one copy aside");
    if (copies.size() == 1) expect(contentOf(copies[0]) == content, "the copy aside is the file as it was");

    HighscoreTable reloaded(path, levels);
    expect(same(tableOf(reloaded), loaded), "the file left behind reads back the same table");
    expect(damagedCopies().size() == copies.size(), "the file left behind reads to its end");

    const std::string name = content.substr(0, content.find('\n'));
    const int level = static_cast<int>(size % levels);
    const int score = 1'000'000;
    if (!reloaded.qualifies(level, score)) return 0;
    reloaded.add(level, score, name);
    const auto& list = reloaded.entries(level);
    expect(std::any_of(list.begin(), list.end(), [](const auto& entry) { return entry.score == score; }),
           "the new entry is in its level");
    HighscoreTable withEntry(path, levels);
    expect(same(tableOf(withEntry), tableOf(reloaded)), "a new entry reads back, whatever its name");
    expect(damagedCopies().size() == copies.size(), "a new entry keeps the file readable");
    return 0;
}
