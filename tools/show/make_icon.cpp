// make_icon: the game's icon, the fighter seen from ahead and above in the game's light, as
// square RGBA PNGs with a clear background, one per size asked for.
// Each size is rendered at eight times its size twice, over black and over white: a pixel the
// same over both is the ship's, so the coverage is exact and the shrunk picture's edges are
// smooth without multisampling. The view is fitted to the ship's outline, so a changed ship
// still fills the icon. Deterministic for the same Mesa and zlib.
// Usage: make_icon <run folder> <output folder> <size>...   writes rubblestorm-<size>.png
#include "tools/common/PngFile.h"
#include "tools/common/Vec3.h"
#include "tools/show/GameLight.h"
#include "tools/show/ModelView.h"
#include "tools/show/OffscreenGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

using namespace assets;

namespace {
constexpr int oversampling = 8;
constexpr double eyeDistance = 4.0;    // in the ship's radii; far enough that the near wing does not loom
constexpr double margin = 1.04;        // room around the ship's outline
constexpr double modelScale = 10.0;    // the game draws the fighter ten times its file's size
const Vec3 viewFrom{0.55, 0.42, 0.72};  // ahead, to the right and above the nose (+z)
const Vec3 towardsLight{0.5, 0.8, 0.6};

Image renderOver(const ModelView& fighter, int side, float background)
{
    OffscreenGL::resize(side, side);
    glClearColor(background, background, background, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    // The view is narrowed to the ship's outline as seen from the eye, so it fills the icon.
    const double radius = fighter.mesh().radius() * modelScale;
    const Vec3 eye = viewFrom.normalized() * (eyeDistance * radius);
    const Vec3 forward = (-eye).normalized();
    const Vec3 right = forward.cross(Vec3(0, 1, 0)).normalized();
    const Vec3 up = right.cross(forward);
    double left = 1e9, rightmost = -1e9, bottom = 1e9, top = -1e9;
    for (const Vertex& v : fighter.mesh().vertices) {
        const Vec3 d = v.position * modelScale - eye;
        const double depth = d.dot(forward);
        left = std::min(left, d.dot(right) / depth);
        rightmost = std::max(rightmost, d.dot(right) / depth);
        bottom = std::min(bottom, d.dot(up) / depth);
        top = std::max(top, d.dot(up) / depth);
    }
    const double half = 0.5 * margin * std::max(rightmost - left, top - bottom);
    const double centreX = 0.5 * (left + rightmost), centreY = 0.5 * (bottom + top);
    const double near = (eyeDistance - 1.1) * radius, far = (eyeDistance + 1.1) * radius;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(near * (centreX - half), near * (centreX + half), near * (centreY - half), near * (centreY + half), near,
              far);
    gluLookAt(eye.x, eye.y, eye.z, 0, 0, 0, 0, 1, 0);
    setUpGameLight(towardsLight);
    glEnable(GL_LIGHTING);
    glScaled(modelScale, modelScale, modelScale);
    glColor4d(0.8, 0.8, 0.8, 1.0);
    fighter.draw();
    glFinish();
    return OffscreenGL::read();
}

void writeIcon(const ModelView& fighter, int size, const std::string& path)
{
    const int side = size * oversampling;
    const Image overBlack = renderOver(fighter, side, 0.0f), overWhite = renderOver(fighter, side, 1.0f);
    Image icon(size, size);
    std::vector<float> alpha(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            int covered = 0;
            for (int sy = 0; sy < oversampling; ++sy)
                for (int sx = 0; sx < oversampling; ++sx) {
                    const Rgb& a = overBlack.at(x * oversampling + sx, y * oversampling + sy);
                    const Rgb& b = overWhite.at(x * oversampling + sx, y * oversampling + sy);
                    if (a.r != b.r || a.g != b.g || a.b != b.b) continue;
                    sum = sum + a;
                    ++covered;
                }
            if (covered > 0) icon.at(x, y) = sum * (1.0f / covered);
            alpha[static_cast<size_t>(y) * size + x] = static_cast<float>(covered) / (oversampling * oversampling);
        }
    PngFile::writeRgba(path, icon, alpha);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icon <run folder> <output folder> <size>...\n");
        return 2;
    }
    try {
        if (!OffscreenGL::create(64, 64)) return 1;
        {
            const ModelView fighter(std::string(argv[1]) + "/models", "fighter");
            for (int i = 3; i < argc; ++i) {
                const int size = std::atoi(argv[i]);
                if (size < 16 || size > 1024) throw std::runtime_error(std::string("bad icon size ") + argv[i]);
                writeIcon(fighter, size, std::string(argv[2]) + "/rubblestorm-" + argv[i] + ".png");
            }
        }
        OffscreenGL::destroy();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_icon: %s\n", e.what());
        return 1;
    }
}
