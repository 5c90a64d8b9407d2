#include "tools/models/MissileTexture.h"

#include "tools/common/Noise.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {
// Body: columns [0, bodyColumns); fins: [finStart, width). Two columns between them repeat
// their neighbours so linear filtering never mixes body and fin paint.
constexpr int bodyColumns = 188, finStart = 192;

double zOfRow(double row) { return -MissileTexture::length / 2 + (row + 0.5) / MissileTexture::height * MissileTexture::length; }

const Rgb white{0.90f, 0.90f, 0.88f};
const Rgb red{0.78f, 0.12f, 0.08f};
const Rgb yellow{0.95f, 0.78f, 0.12f};
const Rgb dark{0.16f, 0.16f, 0.18f};
const Rgb steel{0.45f, 0.46f, 0.48f};

Rgb bodyPaint(double turns, double z, const Noise& noise)
{
    Rgb c = white;
    if (z < -0.80) c = red;                      // warhead
    if (z > -0.80 && z < -0.76) c = dark;        // seam ring
    if (z > -0.30 && z < -0.22) c = yellow;      // live-round band
    if (z > 0.93) c = steel;                     // motor casing
    if (z > 1.10) c = dark;                      // nozzle
    // Panel seams every quarter turn and a few rings; a fine grime.
    const double quarter = std::abs((turns * 4.0) - std::round(turns * 4.0));
    if (quarter < 0.015 && z > -0.76 && z < 0.93) c = c * 0.7f;
    for (double ring : {0.10, 0.52}) if (std::abs(z - ring) < 0.008) c = c * 0.65f;
    return c * static_cast<float>(1.0 + 0.04 * noise.fbm(Vec3(turns * 8.0, z * 4.0, 0.3), 3));
}

Rgb finPaint(double radius, double z)
{
    Rgb c = steel * 1.3f;
    if (radius > 0.28) c = red;
    if (z < 0.0) c = white;  // canards
    return c;
}
}  // namespace

std::pair<float, float> MissileTexture::bodyCoordinate(double angleTurns, double z)
{
    const double column = 0.5 + std::clamp(angleTurns, 0.0, 1.0) * (bodyColumns - 1);
    const double row = (z + length / 2) / length * height;
    return {static_cast<float>(column / width), static_cast<float>(1.0 - row / height)};
}

std::pair<float, float> MissileTexture::finCoordinate(double radius, double z)
{
    const double column = finStart + 1.5 + std::clamp(radius / finReach, 0.0, 1.0) * (width - finStart - 3);
    const double row = (z + length / 2) / length * height;
    return {static_cast<float>(column / width), static_cast<float>(1.0 - row / height)};
}

Image MissileTexture::paint()
{
    const Noise noise(77);
    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const double z = zOfRow(row);
        for (int column = 0; column < width; ++column) {
            Rgb c;
            if (column < finStart - 2) {
                const int body = std::min(column, bodyColumns - 1);
                c = bodyPaint((body + 0.0) / (bodyColumns - 1), z, noise);
            } else {
                const int fin = std::max(column, finStart);
                c = finPaint((fin - finStart - 1.5) / (width - finStart - 3) * finReach, z);
            }
            image.at(column, row) = c;
        }
    }
    return image;
}

}  // namespace assets
