#include "tests/support/Screenshot.h"

#include <cstdlib>
#include <filesystem>

#include "tests/support/GLContext.h"
#include "tests/support/TemporaryFolder.h"

bool writeScreenshot(const std::string& path)
{
    TemporaryFolder scratch;
    const std::string raw = scratch.file("shot.rgb");
    writeFile(raw, std::vector<unsigned char>(GLContext::readPixels()));
    // GL rows run bottom first; a picture's top first.
    return runConvert("-size " + std::to_string(GLContext::width()) + "x" + std::to_string(GLContext::height()) +
                      " -depth 8 rgb:'" + raw + "' -flip png:'" + path + "'");
}

std::string screenshotFolder()
{
    const char* folder = std::getenv("RUBBLESTORM_SHOTS");
    if (folder == nullptr || *folder == '\0') return {};
    std::filesystem::create_directories(folder);
    return folder;
}
