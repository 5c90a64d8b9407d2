#pragma once
// Usage: what `rubblestorm --help` and `--version` print and what the manual page says, made
// from one table of the options, the controls and the files, so that the two never disagree.
// The manual page (section 6) is written at build time by tools/manual/make_manual.
// Depends on the standard library only; the version comes from the CMake project. The texts
// are short enough for an 80-column terminal; nothing is wrapped to the terminal's width.
#include <string>

class Usage {
public:
    static std::string version();
    // The answer to --version: "rubblestorm <version>".
    static std::string versionText();
    static std::string helpText();
    // The manual page in roff (man macros), for section 6.
    static std::string manualPage();
};
