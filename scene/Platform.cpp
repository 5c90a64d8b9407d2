#include "scene/Platform.h"

#include <cstdio>

namespace {
Platform*& installed()
{
    static Platform* platform = nullptr;
    return platform;
}

NullPlatform& nullPlatform()
{
    static NullPlatform* platform = new NullPlatform;
    return *platform;
}
}  // namespace

Platform& Platform::get()
{
    Platform* platform = installed();
    return platform != nullptr ? *platform : nullPlatform();
}

void Platform::install(Platform* platform) { installed() = platform; }

void NullPlatform::showMessage(const std::string& title, const std::string& text)
{
    lastMessage = text;
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}
