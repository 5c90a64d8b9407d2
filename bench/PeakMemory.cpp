#include "bench/PeakMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {
constexpr double kilobytesPerMegabyte = 1024.0;
}  // namespace

double PeakMemory::megabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        double kilobytes = 0.0;
        fields >> kilobytes;
        return kilobytes / kilobytesPerMegabyte;
    }
    return 0.0;
}
