#pragma once
// TemporaryFolder: a fresh folder under the system's temporary directory, removed with
// everything in it when the object goes. `enter()` makes it the working directory until then,
// for code that reads data relative to the working directory (models/, fonts/).
// Also small file helpers for tests that write their own fixtures.
#include <filesystem>
#include <string>
#include <vector>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    void enter();

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> readFile(const std::string& path);
// The file's bytes as text; empty if it cannot be read.
std::string readText(const std::string& path);
// Runs ImageMagick's convert with the given arguments; false if it failed.
bool runConvert(const std::string& arguments);
