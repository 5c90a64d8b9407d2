#include "bench/TimingSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int labelWidth = 22;
}  // namespace

void TimingSeries::add(std::chrono::steady_clock::duration duration)
{
    milliseconds_.push_back(std::chrono::duration<double, std::milli>(duration).count());
}

double TimingSeries::percentile(double fraction) const
{
    if (milliseconds_.empty()) return 0.0;
    std::vector<double> sorted = milliseconds_;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(std::clamp(fraction, 0.0, 1.0) * static_cast<double>(sorted.size()));
    return sorted[static_cast<std::size_t>(std::max(rank, 1.0)) - 1];
}

std::string TimingSeries::row(const std::string& label) const
{
    char line[160];
    std::snprintf(line, sizeof line, "%-*s %8.3f %8.3f %8.3f %8.3f", labelWidth, label.c_str(), median(),
                  percentile(0.95), percentile(0.99), worst());
    return line;
}

std::string TimingSeries::header()
{
    char line[160];
    std::snprintf(line, sizeof line, "%-*s %8s %8s %8s %8s   (ms)", labelWidth, "", "median", "p95", "p99", "worst");
    return line;
}
