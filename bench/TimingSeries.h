#pragma once
// TimingSeries: the durations of one kind of work (a frame, its update, its drawing), kept in
// milliseconds, and the figures a benchmark prints about them: median, percentiles, worst.
// Percentiles are nearest-rank, so every figure is one of the measured values; an empty
// series answers 0 everywhere. Depends on the standard library only.
#include <chrono>
#include <string>
#include <vector>

class TimingSeries {
public:
    void add(std::chrono::steady_clock::duration duration);
    std::size_t count() const { return milliseconds_.size(); }
    // The smallest value that `fraction` (0..1) of the series does not exceed.
    double percentile(double fraction) const;
    double median() const { return percentile(0.5); }
    double worst() const { return percentile(1.0); }
    // "label  median  p95  p99  worst" in milliseconds, aligned with header().
    std::string row(const std::string& label) const;
    static std::string header();

private:
    std::vector<double> milliseconds_;
};
