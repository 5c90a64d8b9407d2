// make_contact_sheet: renders every model of the run folder with the game's fixed-function
// set-up (one white directional light, ambient 0.2, colour material, GL_MODULATE textures)
// from several sides, and lays the pictures out with the font bitmap into PNG sheets:
//   models.png  the three rocks in every kind's tint, the fighter (also as the player sees
//               it, with rockets on the rails and its gun, rail and exhaust points marked),
//               the missile;
//   sky.png     the sky box from inside, 45 degree views across faces, edges and corners;
//   font.png    the glyph bitmap and sample text set with the game's spacing;
//   player_view.png  the game's camera behind the ship, rocks ahead, the sky around;
//   fighter.png the fighter large, from the front and from behind.
// Usage: make_contact_sheet <run folder> <output folder>
#include "tools/common/Vec3.h"
#include "tools/show/GameLight.h"
#include "tools/show/ModelView.h"
#include "tools/show/OffscreenGL.h"
#include "tools/show/SheetText.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace assets;

namespace {
constexpr int tile = 320;
const Rgb brown{0.45f, 0.26f, 0.19f}, grey{0.52f, 0.47f, 0.48f}, olive{0.34f, 0.30f, 0.18f};
const Rgb sheetBackground{0.10f, 0.10f, 0.12f};
const Rgb tileBackground{0.035f, 0.035f, 0.05f};
const Rgb labelColour{0.85f, 0.85f, 0.9f};

std::string runFolder;
std::map<std::string, std::unique_ptr<ModelView>> models;

ModelView& model(const std::string& name)
{
    auto& slot = models[name];
    if (!slot) slot = std::make_unique<ModelView>(runFolder + "/models", name);
    return *slot;
}

struct View {
    Vec3 eye, target, up{0, 1, 0};
    double fov = 45.0;
    Vec3 light{0.5, 0.7, 0.5};  // towards the light
    bool sky = false;
    Vec3 skyAxis{1, 0, 0};
    double skyAngle = 0.0;
};

struct Tile {
    Image image;
    std::string label;
};

// Renders one picture of w x h pixels; `content` draws in world coordinates.
Image renderPicture(int w, int h, const View& view, const std::function<void()>& content)
{
    OffscreenGL::resize(w, h);
    glClearColor(tileBackground.r, tileBackground.g, tileBackground.b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glDepthFunc(GL_LEQUAL);
    const double aspect = static_cast<double>(w) / h;
    if (view.sky) {
        // As the game: eye at the centre of the box, only the camera's turn matters.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(view.fov, aspect, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const Vec3 forward = view.target - view.eye;
        gluLookAt(0, 0, 0, forward.x, forward.y, forward.z, view.up.x, view.up.y, view.up.z);
        glRotated(view.skyAngle, view.skyAxis.x, view.skyAxis.y, view.skyAxis.z);
        glScaled(10, 10, 10);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        glColor4d(0.8, 0.8, 0.8, 1.0);
        model("skybox").draw();
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(view.fov, aspect, 0.1, 100.0);
    gluLookAt(view.eye.x, view.eye.y, view.eye.z, view.target.x, view.target.y, view.target.z, view.up.x, view.up.y,
              view.up.z);
    setUpGameLight(view.light);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    content();
    glFinish();
    return OffscreenGL::read();
}

// A picture that could not be made (a model missing or damaged) becomes a red tile whose
// label says why, so one broken file does not hide all the others.
Image render(int w, int h, const View& view, const std::function<void()>& content)
{
    try {
        return renderPicture(w, h, view, content);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_contact_sheet: %s\n", e.what());
        return Image(w, h, Rgb{0.5f, 0.05f, 0.05f});
    }
}

Vec3 orbit(double yawDegrees, double pitchDegrees, double distance)
{
    const double yaw = yawDegrees * M_PI / 180.0, pitch = pitchDegrees * M_PI / 180.0;
    return Vec3(std::sin(yaw) * std::cos(pitch), std::sin(pitch), std::cos(yaw) * std::cos(pitch)) * distance;
}

std::function<void()> drawModel(const std::string& name, Rgb tint, double scale)
{
    return [=] {
        glPushMatrix();
        glScaled(scale, scale, scale);
        glColor4d(tint.r, tint.g, tint.b, 1.0);
        model(name).draw();
        glPopMatrix();
    };
}

// The ship in its own coordinates (nose along +z), with rockets on the rails and, when
// asked, the game's gun, rail and exhaust points as coloured dots.
void drawArmedShip(bool markers)
{
    glPushMatrix();
    glScaled(10, 10, 10);
    glColor4d(0.8, 0.8, 0.8, 1.0);
    model("fighter").draw();
    glPopMatrix();
    for (double side : {1.0, -1.0}) {
        glPushMatrix();
        glTranslated(0.7 * side, 0.16, -0.45);
        glRotated(180.0, 0, 1, 0);
        glScaled(0.2, 0.2, 0.2);
        glColor4d(0.8, 0.8, 0.8, 1.0);
        model("missile").draw();
        glPopMatrix();
    }
    if (!markers) return;
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glPointSize(7.0f);
    glBegin(GL_POINTS);
    glColor3d(1.0, 0.9, 0.1);
    glVertex3d(0.25, 0.0, 0.7);
    glVertex3d(-0.25, 0.0, 0.7);
    glColor3d(0.2, 1.0, 0.3);
    glVertex3d(0.7, 0.16, -0.45);
    glVertex3d(-0.7, 0.16, -0.45);
    glColor3d(0.2, 0.6, 1.0);
    glVertex3d(0.0, 0.0, -0.5);
    glEnd();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}


Image layout(const std::vector<std::vector<Tile>>& rows, const SheetText& text, const std::string& title)
{
    constexpr int gap = 8, labelHeight = 30, titleHeight = 48;
    int width = 0, height = titleHeight + gap;
    for (const auto& row : rows) {
        int w = gap, h = 0;
        for (const Tile& t : row) {
            w += t.image.width() + gap;
            h = std::max(h, t.image.height());
        }
        width = std::max(width, w);
        height += h + labelHeight + gap;
    }
    Image sheet(width, height, sheetBackground);
    text.draw(sheet, gap, titleHeight - 12, 36, title, Rgb{1, 1, 1});
    int y = titleHeight + gap;
    for (const auto& row : rows) {
        int x = gap, h = 0;
        for (const Tile& t : row) {
            for (int ty = 0; ty < t.image.height(); ++ty)
                for (int tx = 0; tx < t.image.width(); ++tx) sheet.at(x + tx, y + ty) = t.image.at(tx, ty);
            text.draw(sheet, x, y + t.image.height() + 24, 24, t.label, labelColour);
            x += t.image.width() + gap;
            h = std::max(h, t.image.height());
        }
        y += h + labelHeight + gap;
    }
    return sheet;
}

// The player's view: camera on the frame at (0, 0.425, 3) looking along -z, the ship turned
// half a turn on the frame, the sky behind, a few rocks ahead in their tints.
View gameView()
{
    View game;
    game.eye = Vec3(0, 0.425, 3);
    game.target = Vec3(0, 0.425, -1);
    game.light = Vec3(0.45, 0.75, 0.5);
    game.sky = true;
    game.skyAxis = Vec3(0.3, 1, 0.2);
    game.skyAngle = 140;
    return game;
}

Image playerView(int w, int h)
{
    return render(w, h, gameView(), [] {
        const struct {
            const char* name;
            Rgb tint;
            Vec3 at;
            double size, angle;
        } rocks[] = {{"asteroid", brown, {-4.0, 1.5, -12.0}, 2.0, 30},
                     {"asteroid2", grey, {5.0, -1.0, -16.0}, 3.0, 75},
                     {"asteroid3", olive, {1.0, 3.0, -25.0}, 4.0, 140},
                     {"asteroid", brown, {-9.0, -3.0, -28.0}, 3.5, 200},
                     {"asteroid2", grey, {2.5, 0.8, -7.0}, 0.8, 10}};
        for (const auto& r : rocks) {
            glPushMatrix();
            glTranslated(r.at.x, r.at.y, r.at.z);
            glRotated(r.angle, 0.3, 1.0, 0.2);
            glScaled(10 * r.size, 10 * r.size, 10 * r.size);
            glColor4d(r.tint.r, r.tint.g, r.tint.b, 1.0);
            model(r.name).draw();
            glPopMatrix();
        }
        glRotated(180, 0, 1, 0);
        drawArmedShip(false);
    });
}

// Two large pictures of the fighter, for the paint's details.
Image fighterCloseUp()
{
    View front;
    front.eye = orbit(40, 28, 2.3);
    front.light = Vec3(0.5, 0.8, 0.6);
    View back;
    back.eye = orbit(205, 22, 2.3);
    back.light = Vec3(-0.4, 0.8, -0.5);
    const Image a = render(720, 540, front, [] { drawArmedShip(false); });
    const Image b = render(720, 540, back, [] { drawArmedShip(false); });
    Image both(1448, 540, sheetBackground);
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x) {
            both.at(x, y) = a.at(x, y);
            both.at(728 + x, y) = b.at(x, y);
        }
    return both;
}

std::vector<std::vector<Tile>> modelTiles()
{
    std::vector<std::vector<Tile>> rows;
    const struct {
        const char* name;
        Rgb own;
        const char* tint;
    } rocks[] = {{"asteroid", brown, "brown"}, {"asteroid2", grey, "grey"}, {"asteroid3", olive, "olive"}};
    for (const auto& rock : rocks) {
        std::vector<Tile> row;
        View v;
        v.eye = orbit(20, 15, 3.4);
        const std::pair<Rgb, const char*> tints[] = {{brown, "brown"}, {grey, "grey"}, {olive, "olive"}};
        for (const auto& [tint, tintName] : tints)
            row.push_back({render(tile, tile, v, drawModel(rock.name, tint, 10.0)),
                           std::string(rock.name) + " " + tintName});
        v.eye = orbit(150, -30, 3.4);
        row.push_back({render(tile, tile, v, drawModel(rock.name, rock.own, 10.0)), "turned"});
        v.eye = orbit(260, 60, 3.4);
        v.light = Vec3(-0.8, 0.2, 0.3);
        row.push_back({render(tile, tile, v, drawModel(rock.name, rock.own, 10.0)), "low light"});
        rows.push_back(std::move(row));
    }
    {
        std::vector<Tile> row;
        // The player's view: camera on the frame at (0, 0.425, 3) looking along -z, the ship
        // turned half a turn on the frame, the sky behind.
        row.push_back({render(2 * tile + 8, tile, gameView(),
                              [] {
                                  glRotated(180, 0, 1, 0);
                                  drawArmedShip(false);
                              }),
                       "fighter as the player sees it"});
        View v;
        v.eye = orbit(35, 25, 2.3);
        row.push_back({render(tile, tile, v, drawModel("fighter", {0.8f, 0.8f, 0.8f}, 10.0)), "fighter front"});
        v.eye = Vec3(0.0, 2.4, -0.01);
        v.up = Vec3(0, 0, 1);
        v.light = Vec3(0.3, 1.0, -0.2);
        row.push_back({render(tile, tile, v, drawModel("fighter", {0.8f, 0.8f, 0.8f}, 10.0)), "top"});
        rows.push_back(std::move(row));
    }
    {
        std::vector<Tile> row;
        View v;
        v.eye = orbit(200, 20, 2.2);
        v.light = Vec3(-0.3, 0.8, -0.6);
        row.push_back({render(tile, tile, v, [] { drawArmedShip(true); }), "rear, points marked"});
        v.eye = orbit(90, 5, 2.2);
        v.light = Vec3(0.8, 0.5, 0.3);
        row.push_back({render(tile, tile, v, drawModel("fighter", {0.8f, 0.8f, 0.8f}, 10.0)), "side"});
        v.eye = orbit(-30, -40, 2.3);
        v.light = Vec3(-0.3, -0.8, 0.4);
        row.push_back({render(tile, tile, v, drawModel("fighter", {0.8f, 0.8f, 0.8f}, 10.0)), "below"});
        v.eye = orbit(70, 15, 0.7);
        v.light = Vec3(0.6, 0.7, 0.4);
        row.push_back({render(tile, tile, v, drawModel("missile", {0.8f, 0.8f, 0.8f}, 0.2)), "missile"});
        v.eye = orbit(210, 25, 0.6);
        v.light = Vec3(-0.5, 0.7, -0.5);
        row.push_back({render(tile, tile, v, drawModel("missile", {0.8f, 0.8f, 0.8f}, 0.2)), "missile tail"});
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::vector<Tile>> skyTiles()
{
    std::vector<std::vector<Tile>> rows;
    const struct {
        Vec3 direction;
        Vec3 up;
        const char* label;
    } looks[] = {{{0, 0, 1}, {0, 1, 0}, "+z, the sun"},    {{1, 0, 1}, {0, 1, 0}, "edge +x/+z"},
                 {{1, 1, 1}, {0, 1, 0}, "corner"},          {{-1, -1, 1}, {0, 1, 0}, "corner below"},
                 {{0, 0, -1}, {0, 1, 0}, "-z"},             {{-1, 0, 0}, {0, 1, 0}, "-x"},
                 {{0, 1, 0.001}, {0, 0, 1}, "up"},          {{0, -1, 0.001}, {0, 0, 1}, "down"},
                 {{-1, 0.3, -1}, {0, 1, 0}, "edge -x/-z"},  {{0.5, -0.2, -1}, {0, 1, 0}, "low"}};
    std::vector<Tile> row;
    for (const auto& look : looks) {
        View v;
        v.sky = true;
        v.eye = Vec3();
        v.target = look.direction;
        v.up = look.up;
        row.push_back({render(384, 384, v, [] {}), look.label});
        if (row.size() == 5) rows.push_back(std::move(row)), row.clear();
    }
    return rows;
}

Image fontSheet(const SheetText& text)
{
    const Image& bitmap = text.bitmap();
    const int side = bitmap.width();
    Image sheet(side + 16 + 900, std::max(side, 900) + 16, sheetBackground);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) sheet.at(8 + x, 8 + y) = bitmap.at(x, y);
    // Cell grid, faint, to show that glyphs stay inside their cells.
    for (int i = 0; i <= 16; ++i)
        for (int k = 0; k < side; ++k) {
            const int line = std::min(i * side / 16, side - 1);
            sheet.at(8 + line, 8 + k) = mix(sheet.at(8 + line, 8 + k), Rgb{0.2f, 0.4f, 1.0f}, 0.5f);
            sheet.at(8 + k, 8 + line) = mix(sheet.at(8 + k, 8 + line), Rgb{0.2f, 0.4f, 1.0f}, 0.5f);
        }
    const int x = side + 24;
    int y = 80;
    for (double size : {72.0, 48.0, 32.0, 20.0}) {
        text.draw(sheet, x, y, size, "RUBBLESTORM", Rgb{1, 1, 1});
        y += static_cast<int>(size * 1.1);
        text.draw(sheet, x, y, size, "Start  Highscores  Exit", Rgb{1.0f, 0.85f, 0.3f});
        y += static_cast<int>(size * 1.1);
        text.draw(sheet, x, y, size, "Score: 12 480  Time 03:07", Rgb{0.5f, 1.0f, 0.6f});
        y += static_cast<int>(size * 1.1);
        text.draw(sheet, x, y, size, "\xC0\xC9\xD1\xD6\xDC \xE0\xE9\xF1\xF6\xFC\xDF \xA9\xB0\xBD", Rgb{0.8f, 0.8f, 1});
        y += static_cast<int>(size * 1.1) + 16;
    }
    text.draw(sheet, x, y + 10, 26, "The quick brown fox jumps over the lazy dog.", Rgb{1, 1, 1});
    text.draw(sheet, x, y + 40, 26, "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", Rgb{1, 1, 1});
    return sheet;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_contact_sheet <run folder> <output folder>\n");
        return 2;
    }
    runFolder = argv[1];
    const std::string out = argv[2];
    std::filesystem::create_directories(out);
    try {
        if (!OffscreenGL::create(tile, tile)) return 1;
        const SheetText text(runFolder + "/fonts/arial.bmp");
        bool ok = savePng(layout(modelTiles(), text, "Rubblestorm models"), out + "/models.png");
        ok = savePng(layout(skyTiles(), text, "Sky box from inside, 45 degree views"), out + "/sky.png") && ok;
        if (text.loaded()) ok = savePng(fontSheet(text), out + "/font.png") && ok;
        ok = savePng(playerView(1280, 720), out + "/player_view.png") && ok;
        ok = savePng(fighterCloseUp(), out + "/fighter.png") && ok;
        OffscreenGL::destroy();
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_contact_sheet: %s\n", e.what());
        return 1;
    }
}
