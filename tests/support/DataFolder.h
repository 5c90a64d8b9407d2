#pragma once
// DataFolder: where the game's generated data lies for tests: RUBBLESTORM_DATA if set (CTest
// sets it to the run folder), otherwise the working directory.
#include <cstdlib>
#include <string>

namespace DataFolder {

inline std::string path(const std::string& relative)
{
    const char* root = std::getenv("RUBBLESTORM_DATA");
    return (root != nullptr && *root != '\0' ? std::string(root) + "/" : std::string()) + relative;
}

}  // namespace DataFolder
