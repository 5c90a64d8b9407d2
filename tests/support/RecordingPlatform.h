#pragma once
// RecordingPlatform: a null platform that keeps the messages shown to the player instead of
// printing them, for tests that provoke many. Install it for the scope of a test:
//     RecordingPlatform platform;  // installed until it goes
#include <string>
#include <vector>

#include "scene/Platform.h"

class RecordingPlatform : public NullPlatform {
public:
    RecordingPlatform() { Platform::install(this); }
    ~RecordingPlatform() override { Platform::install(nullptr); }
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    void showMessage(const std::string& title, const std::string& text) override
    {
        titles.push_back(title);
        messages.push_back(text);
        lastMessage = text;
    }
    void showInWindow(const std::string& title, const std::string& text) override { showMessage(title, text); }

    std::vector<std::string> titles;
    std::vector<std::string> messages;
};
