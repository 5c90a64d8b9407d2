#pragma once
// PngFile: writes a picture with an alpha channel as an 8-bit RGBA PNG through zlib, with no
// time stamp or text chunk, so the same picture always gives the same bytes (for the same
// zlib). Writing only: the tools read nothing in PNG.
#include "tools/common/Image.h"

#include <string>
#include <vector>

namespace assets {

class PngFile {
public:
    // `alpha` holds one coverage in [0, 1] per pixel, top row first; colours are not
    // premultiplied. Throws std::runtime_error if the sizes disagree or zlib fails.
    static void writeRgba(const std::string& path, const Image& image, const std::vector<float>& alpha);
};

}  // namespace assets
