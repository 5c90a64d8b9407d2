// Fuzzes the BMP reader. A file either gives a picture whose pixel array matches its size
// (what glTexImage2D reads) within the reader's size limit, or no picture and exactly one of
// the reader's messages for the player; it never throws.
#include <cstring>

#include "scene/BmpReader.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/RecordingPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInput::write("picture.bmp", data, size);
    RecordingPlatform platform;
    const std::optional<BmpImage> image = loadBmp(path);
    if (image) {
        expect(platform.messages.empty(), "a picture comes without a message");
        expect(image->width > 0 && image->height > 0, "a picture has a positive size");
        expect(static_cast<long long>(image->width) * image->height <= maxBmpPixels, "a picture within the limit");
        expect(image->data.size() == static_cast<std::size_t>(image->width) * image->height * 3,
               "three bytes for every pixel");
        return 0;
    }
    expect(platform.messages.size() == 1, "one message for a file that gives no picture");
    const std::string& message = platform.messages[0];
    expect(platform.titles[0] == "Error", "the message is an error");
    expect(message == "Unknown DIB file format." || message == "Image file conversion error." ||
               message == "Out of memory.",
           "one of the reader's messages");
    return 0;
}
