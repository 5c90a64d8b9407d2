#include "tests/support/TemporaryFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rubblestorm-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TemporaryFolder::enter()
{
    if (previous_.empty()) previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<unsigned char> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path)
{
    const std::vector<unsigned char> bytes = readFile(path);
    return {bytes.begin(), bytes.end()};
}

bool runConvert(const std::string& arguments)
{
    // The convert on the PATH may be a stand-in; the real ImageMagick lives in /usr/bin.
    const std::string command = "/usr/bin/convert " + arguments + " 2>/dev/null";
    return std::system(command.c_str()) == 0;
}
