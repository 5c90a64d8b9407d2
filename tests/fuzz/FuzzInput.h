#pragma once
// FuzzInput: hands each fuzz input to the game's readers as the file they expect, in one
// scratch folder for the whole run. Readers of paths relative to the working folder (fonts/)
// run inside a WorkingFolder scope: libFuzzer reads its corpus by relative paths. A failed
// check aborts, which libFuzzer reports as a crash with the input that caused it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TemporaryFolder.h"

// Fails the input with a message when `holds` is false.
inline void expect(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

namespace FuzzInput {

inline const std::filesystem::path& scratchFolder()
{
    static TemporaryFolder folder;
    return folder.path();
}

// The scratch folder as the working folder while it exists.
class WorkingFolder {
public:
    WorkingFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(scratchFolder()); }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// Writes the input to `relative` in the scratch folder, making its folder; returns the full path.
inline std::string write(const std::string& relative, const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = scratchFolder() / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    expect(static_cast<bool>(out.flush()), "the fuzz input is written to the scratch folder");
    return file.string();
}

}  // namespace FuzzInput
