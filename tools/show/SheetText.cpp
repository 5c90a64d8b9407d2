#include "tools/show/SheetText.h"

#include "tools/common/BmpFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace assets {

SheetText::SheetText(const std::string& fontPath)
{
    std::string error;
    if (!BmpFile::read(fontPath, font_, error)) {
        font_ = Image();
        return;
    }
    cell_ = font_.width() / 16;
    for (int c = 0; c < 256; ++c) {
        const int x0 = (c % 16) * cell_, y0 = (c / 16) * cell_;
        int minColumn = cell_, maxColumn = -1;
        for (int y = 0; y < cell_; ++y)
            for (int x = 0; x < cell_; ++x)
                if (font_.at(x0 + x, y0 + y).r > 0.0f) {
                    minColumn = std::min(minColumn, x);
                    maxColumn = std::max(maxColumn, x);
                }
        if (maxColumn < 0) {
            minColumn = cell_ / 2;
            maxColumn = cell_ / 2 - 1;
        }
        left_[c] = static_cast<float>(minColumn) / cell_;
        right_[c] = static_cast<float>(cell_ - maxColumn - 1) / cell_;
    }
    left_[32] = right_[32] = 0.4f;
}

double SheetText::width(const std::string& text, double size) const
{
    double w = 0.1 * (text.size() + 1);
    for (unsigned char c : text) w += 1.0 - left_[c] - right_[c];
    return w * size;
}

void SheetText::draw(Image& target, double x, double y, double size, const std::string& text, Rgb colour) const
{
    if (!loaded() || text.empty()) return;
    double pen = x + (0.1 - left_[static_cast<unsigned char>(text[0])]) * size;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const double cellX = (c % 16) * cell_, cellY = (c / 16) * cell_;
        const double scale = cell_ / size;
        for (int ty = static_cast<int>(y - size); ty < static_cast<int>(std::ceil(y)); ++ty) {
            for (int tx = static_cast<int>(pen); tx < static_cast<int>(std::ceil(pen + size)); ++tx) {
                if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height()) continue;
                // Average a few samples: the cells are shrunk a lot for labels.
                float alpha = 0.0f;
                for (int sy = 0; sy < 3; ++sy)
                    for (int sx = 0; sx < 3; ++sx) {
                        const double gx = (tx + (sx + 0.5) / 3.0 - pen) * scale;
                        const double gy = (ty + (sy + 0.5) / 3.0 - (y - size)) * scale;
                        if (gx < 0 || gy < 0 || gx >= cell_ || gy >= cell_) continue;
                        alpha += font_.sampleClamped(cellX + gx, cellY + gy).r;
                    }
                alpha /= 9.0f;
                target.at(tx, ty) = mix(target.at(tx, ty), colour, alpha);
            }
        }
        pen += (1.0 - right_[c] - left_[next] + 0.1) * size;
    }
}

bool savePng(const Image& image, const std::string& path)
{
    const std::string ppm = path + ".ppm";
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << image.width() << " " << image.height() << "\n255\n";
        const auto bytes = image.toBytes();
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // The PATH may hold a stand-in named convert; ImageMagick's own lives here.
    const std::string command = "/usr/bin/convert '" + ppm + "' '" + path + "'";
    const int status = std::system(command.c_str());
    std::remove(ppm.c_str());
    if (status != 0) std::fprintf(stderr, "convert failed for %s\n", path.c_str());
    return status == 0;
}

}  // namespace assets
