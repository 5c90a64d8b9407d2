#pragma once
// Screenshots of the off-screen GL context for tests: the back buffer as a PNG, written by
// ImageMagick, so that a person can look at what a test drew.
#include <string>

// Writes the current back buffer to `path` (PNG, top row first). False if it failed.
bool writeScreenshot(const std::string& path);
// The folder named by the environment variable RUBBLESTORM_SHOTS, or empty when unset:
// tests write their pictures only when asked to.
std::string screenshotFolder();
